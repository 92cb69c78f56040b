// SPDX-License-Identifier: GPL-3.0-or-later
// A page has no fonts of its own to offer Qt, and no desktop to place a window on.
#include "kit/Plateforme.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QWidget>

namespace kit {

// Carlito, Calibri's metrics, so that every caption keeps its laid-out width on a phone
// as on a school's computer.
void PreparePlateforme() {
    for (const char* style : {"Regular", "Bold", "Italic"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/polices/Carlito-%1.ttf").arg(style));
}

void MontreFenetre(QWidget* fenetre) {
    fenetre->showFullScreen();
}

QString Edition() {
    return QCoreApplication::translate("Plateforme", "version pour navigateur, WebAssembly");
}

} // namespace kit
