// SPDX-License-Identifier: GPL-3.0-or-later
#include "mesure/Dialogues.h"

#include <QMessageBox>
#include <QRegularExpression>

namespace mesure {

void Avertit(QWidget* parent, const QString& titre, const QString& message) {
    auto* boite = new QMessageBox(QMessageBox::Warning, titre, message, QMessageBox::Ok, parent);
    boite->setAttribute(Qt::WA_DeleteOnClose);
    boite->open();
}

QString ExtensionDuFiltre(const QString& filtre) {
    static const QRegularExpression motif(QStringLiteral("\\*\\.(\\w+)"));
    return motif.match(filtre).captured(1);
}

} // namespace mesure
