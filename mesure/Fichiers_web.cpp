// SPDX-License-Identifier: GPL-3.0-or-later
// In a page there is no disk to write to: the file is handed to the browser, which
// downloads it under its name (into the Downloads folder, or where the person says).
#include "mesure/Fichiers.h"

#include <QFileDialog>
#include <QFileInfo>

namespace mesure {

QString EcritFichier(const QString& chemin, const QByteArray& contenu) {
    QFileDialog::saveFileContent(contenu, QFileInfo(chemin).fileName());
    return {};
}

} // namespace mesure
