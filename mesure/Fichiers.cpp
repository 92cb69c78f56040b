// SPDX-License-Identifier: GPL-3.0-or-later
#include "mesure/Fichiers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace mesure {
namespace {

// Why nothing can be written there, before trying: the reasons a person can act on.
QString Empechement(const QString& chemin) {
    const QFileInfo cible(chemin);
    if (cible.fileName().isEmpty())
        return QCoreApplication::translate("mesure", "aucun nom de fichier");
    if (cible.isDir())
        return QCoreApplication::translate("mesure", "c'est le nom d'un dossier");
    const QFileInfo dossier(cible.absolutePath());
    if (!dossier.isDir())
        return QCoreApplication::translate("mesure", "le dossier « %1 » n'existe pas")
            .arg(QDir::toNativeSeparators(dossier.absoluteFilePath()));
    if (!dossier.isWritable())
        return QCoreApplication::translate("mesure", "le dossier est protégé en écriture");
    if (cible.exists() && !cible.isWritable())
        return QCoreApplication::translate("mesure", "le fichier existant est protégé en écriture");
    return {};
}

QString Raison(const QSaveFile& fichier) {
    switch (fichier.error()) {
    case QFileDevice::ResourceError:
        return QCoreApplication::translate("mesure", "le disque est plein");
    case QFileDevice::WriteError:
        return QCoreApplication::translate(
            "mesure", "l'écriture a échoué (disque plein ou fichier trop grand)");
    case QFileDevice::RenameError:
        return QCoreApplication::translate("mesure", "le fichier n'a pas pu remplacer l'ancien");
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QCoreApplication::translate("mesure", "le dossier est protégé en écriture");
    default:
        return QCoreApplication::translate("mesure",
                                           "ce nom de fichier n'est pas permis à cet endroit");
    }
}

} // namespace

QString EcritFichier(const QString& chemin, const QByteArray& contenu) {
    if (const QString empechement = Empechement(chemin); !empechement.isEmpty())
        return empechement;
    QSaveFile fichier(chemin);
    // The data is flushed and its error checked before the rename: Qt 6.4's commit() can
    // report success for a write that failed in its buffer, and rename half a file over
    // the whole one.
    const bool ecrit = fichier.open(QIODevice::WriteOnly) &&
                       fichier.write(contenu) == contenu.size() && fichier.flush() &&
                       fichier.error() == QFileDevice::NoError;
    if (!ecrit)
        fichier.cancelWriting();
    if (!fichier.commit() || !ecrit)
        return Raison(fichier);
    return {};
}

} // namespace mesure
