// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the application logo, drawn in code, as the PNG icons the desktop theme wants:
//   generer_icones DIR  ->  DIR/NxN/apps/org.vibraligne.VibraLIGNE.png for each size

#include "kit/Images.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    for (int cote : {16, 32, 48, 64, 128, 256}) {
        const QString dossier = QStringLiteral("%1/%2x%2/apps").arg(argv[1]).arg(cote);
        if (!QDir().mkpath(dossier) ||
            !kit::Logo(cote).save(dossier + "/org.vibraligne.VibraLIGNE.png")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(dossier));
            return 1;
        }
    }
    return 0;
}
