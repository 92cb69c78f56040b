// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs of a page: a file leaves as a download under the proposed name, and comes in
// through the browser's file picker.
#include "mesure/Dialogues.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace mesure {

// The browser asks where, if it asks at all; the proposed name and the first type stand.
void DemandeEnregistrement(QWidget*, const QString&, const QString& chemin, const QStringList&,
                           const QString& filtre, SuiteEnregistrement suite) {
    suite(chemin, filtre);
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
