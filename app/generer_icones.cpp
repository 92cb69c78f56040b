// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the application logo, drawn in code, as the icons a desktop wants:
//   generer_icones DIR        ->  DIR/NxN/apps/org.vibraligne.VibraLIGNE.png for each size,
//                                 and DIR/NxN/mimetypes/application-x-vibraligne.png
//   generer_icones --ico FILE ->  one Windows icon holding every size

#include "kit/Images.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QtEndian>

#include <cstdio>
#include <vector>

namespace {

constexpr int Cotes[] = {16, 32, 48, 64, 128, 256};

QByteArray Png(int cote) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    kit::Logo(cote).save(&tampon, "PNG");
    return octets;
}

template <typename T> void Ajoute(QByteArray& octets, T valeur) {
    const T le = qToLittleEndian(valeur);
    octets.append(reinterpret_cast<const char*>(&le), sizeof le);
}

// An icon file is a directory of images, each stored here as a PNG (which Windows reads
// since Vista): no image format plugin needed to write it.
bool EcritIco(const QString& chemin) {
    std::vector<QByteArray> images;
    for (int cote : Cotes)
        images.push_back(Png(cote));
    QByteArray ico;
    Ajoute<quint16>(ico, 0);
    Ajoute<quint16>(ico, 1); // an icon
    Ajoute<quint16>(ico, quint16(images.size()));
    quint32 position = 6 + 16 * quint32(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const int cote = Cotes[i];
        ico.append(char(cote >= 256 ? 0 : cote)); // 0 says 256
        ico.append(char(cote >= 256 ? 0 : cote));
        ico.append(char(0)); // no palette
        ico.append(char(0));
        Ajoute<quint16>(ico, 1);  // colour planes
        Ajoute<quint16>(ico, 32); // bits per pixel
        Ajoute<quint32>(ico, quint32(images[i].size()));
        Ajoute<quint32>(ico, position);
        position += quint32(images[i].size());
    }
    for (const QByteArray& image : images)
        ico.append(image);
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(ico) == ico.size();
}

bool EcritPng(const QString& racine) {
    for (int cote : Cotes) {
        // The program's, and its lesson files' (the same picture, where a file manager looks).
        const QString dossier = QStringLiteral("%1/%2x%2/apps").arg(racine).arg(cote);
        const QString types = QStringLiteral("%1/%2x%2/mimetypes").arg(racine).arg(cote);
        if (!QDir().mkpath(dossier) || !QDir().mkpath(types) ||
            !kit::Logo(cote).save(dossier + "/org.vibraligne.VibraLIGNE.png") ||
            !kit::Logo(cote).save(types + "/application-x-vibraligne.png"))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const bool ico = argc == 3 && QByteArray(argv[1]) == "--ico";
    if (argc != 2 && !ico) {
        std::fprintf(stderr, "usage: %s DIR | --ico FILE\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString cible = QString::fromLocal8Bit(argv[argc - 1]);
    if (!(ico ? EcritIco(cible) : EcritPng(cible))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(cible));
        return 1;
    }
    return 0;
}
