// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs of a page: a file leaves as a download under the proposed name, and comes in
// through the browser's file picker.
#include "mesure/Dialogues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace mesure {

// The browser asks where, if it asks at all, and knows nothing of types: where there is a
// choice of them, the page asks which, the one chosen last ready under Enter; the proposed
// name takes that type's extension.
void DemandeEnregistrement(QWidget* parent, const QString& titre, const QString& chemin,
                           const QStringList& filtres, const QString& filtre,
                           SuiteEnregistrement suite) {
    if (filtres.size() < 2) {
        suite(chemin, filtre);
        return;
    }
    const QFileInfo propose(chemin);
    auto* boite = new QMessageBox(
        QMessageBox::Question, titre,
        QCoreApplication::translate("Dialogues", "Télécharger « %1 » sous quel type de fichier ?")
            .arg(propose.completeBaseName()),
        QMessageBox::Cancel, parent);
    boite->setAttribute(Qt::WA_DeleteOnClose);
    for (const QString& type : filtres) {
        QPushButton* bouton = boite->addButton(type, QMessageBox::AcceptRole);
        if (type == filtre)
            boite->setDefaultButton(bouton);
        const QString nom =
            propose.dir().filePath(propose.completeBaseName() + '.' + ExtensionDuFiltre(type));
        QObject::connect(bouton, &QPushButton::clicked, boite,
                         [suite, nom, type] { suite(nom, type); });
    }
    boite->open();
}

// The file the student picked is put in the page's own memory under its own name, so that
// it is read, and named in a refusal, as a file on a disk is.
void DemandeOuverture(QWidget*, const QString&, const QString&, const QString& filtre,
                      SuiteOuverture suite) {
    QFileDialog::getOpenFileContent(filtre, [suite](const QString& nom, const QByteArray& contenu) {
        if (nom.isEmpty())
            return;
        const QString chemin = DepotDansLaPage(QFileInfo(nom).fileName(), contenu);
        if (!chemin.isEmpty())
            suite(chemin);
    });
}

QString DepotDansLaPage(const QString& nom, const QByteArray& contenu) {
    const QString dossier = QDir::tempPath() + QStringLiteral("/recus");
    QDir().mkpath(dossier);
    QFile fichier(dossier + '/' + nom);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(contenu) != contenu.size())
        return {};
    return fichier.fileName();
}

} // namespace mesure
