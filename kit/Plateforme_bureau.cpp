// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Plateforme.h"

#include <QWidget>

namespace kit {

void PreparePlateforme() {}

void MontreFenetre(QWidget* fenetre) {
    fenetre->show();
}

QString Edition() {
    return {};
}

} // namespace kit
