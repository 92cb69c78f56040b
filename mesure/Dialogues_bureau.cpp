// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs of a desktop: Qt's own file dialog, whose texts follow the interface's
// language.
#include "mesure/Dialogues.h"

#include <QFileDialog>
#include <QFileInfo>

namespace mesure {

// The extension of the chosen type is added to a name typed without one before the dialog
// asks whether to replace a file.
void DemandeEnregistrement(QWidget* parent, const QString& titre, const QString& chemin,
                           const QStringList& filtres, const QString& filtre,
                           SuiteEnregistrement suite) {
    auto* dialogue = new QFileDialog(parent, titre);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    dialogue->setAcceptMode(QFileDialog::AcceptSave);
    dialogue->setNameFilters(filtres);
    dialogue->selectNameFilter(filtre);
    dialogue->setDefaultSuffix(ExtensionDuFiltre(filtre));
    dialogue->setDirectory(QFileInfo(chemin).absolutePath());
    dialogue->selectFile(QFileInfo(chemin).fileName());
    QObject::connect(
        dialogue, &QFileDialog::filterSelected, dialogue, [dialogue](const QString& choisi) {
            const QString extension = ExtensionDuFiltre(choisi);
            dialogue->setDefaultSuffix(extension);
            const QString nom = QFileInfo(dialogue->selectedFiles().value(0)).completeBaseName();
            if (!nom.isEmpty())
                dialogue->selectFile(nom + '.' + extension);
        });
    QObject::connect(dialogue, &QFileDialog::accepted, dialogue, [dialogue, suite] {
        if (!dialogue->selectedFiles().isEmpty())
            suite(dialogue->selectedFiles().constFirst(), dialogue->selectedNameFilter());
    });
    dialogue->open();
}

void DemandeOuverture(QWidget* parent, const QString& titre, const QString& dossier,
                      const QString& filtre, SuiteOuverture suite) {
    auto* dialogue = new QFileDialog(parent, titre, dossier, filtre);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    dialogue->setFileMode(QFileDialog::ExistingFile);
    QObject::connect(dialogue, &QFileDialog::fileSelected, dialogue, suite);
    dialogue->open();
}

} // namespace mesure
