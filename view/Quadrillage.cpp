// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/Quadrillage.h"

namespace view {

void DessineQuadrillage(kit::SurfaceDessin& surface, int dernierI, float largeur) {
    const QColor entier(220, 220, 255);
    const QColor demi(240, 240, 255);
    surface.LargeurTrait(1);
    for (int i = 0; i <= dernierI; ++i) {
        const float x = static_cast<float>(i);
        surface.Ligne(x, 0, x, 7, entier);
        surface.Ligne(x + 0.5f, 0, x + 0.5f, 7, demi);
        if (i < 8) {
            surface.Ligne(0, x, largeur, x, entier);
            surface.Ligne(0, x + 0.5f, largeur, x + 0.5f, demi);
        }
    }
}

} // namespace view
