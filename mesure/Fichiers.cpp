// SPDX-License-Identifier: GPL-3.0-or-later
#include "mesure/Fichiers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace mesure {
namespace {

QString Raison(const QSaveFile& fichier, const QString& chemin) {
    const QFileInfo dossier(QFileInfo(chemin).absolutePath());
    switch (fichier.error()) {
    case QFileDevice::ResourceError:
        return QCoreApplication::translate("mesure", "le disque est plein");
    case QFileDevice::WriteError:
        return QCoreApplication::translate(
            "mesure", "l'écriture a échoué (disque plein ou fichier trop grand)");
    case QFileDevice::RenameError:
        return QCoreApplication::translate("mesure", "le fichier n'a pas pu remplacer l'ancien");
    default:
        break;
    }
    if (!dossier.isDir())
        return QCoreApplication::translate("mesure", "le dossier n'existe pas");
    if (!dossier.isWritable())
        return QCoreApplication::translate("mesure", "le dossier est protégé en écriture");
    return QCoreApplication::translate("mesure",
                                       "ce nom de fichier n'est pas permis à cet endroit");
}

} // namespace

QString EcritFichier(const QString& chemin, const QByteArray& contenu) {
    if (QFileInfo(chemin).fileName().isEmpty())
        return QCoreApplication::translate("mesure", "aucun nom de fichier");
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
        return Raison(fichier, chemin);
    return {};
}

} // namespace mesure
