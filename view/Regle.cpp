// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/Regle.h"

namespace view {

void GradueRegle(kit::SurfaceDessin& regle) {
    regle.LargeurTrait(1);
    for (int i = 0; i <= 160; ++i) {
        const float x = static_cast<float>(i / 10.0);
        regle.Ligne(x, 0, x, 0.1f, Qt::black);
    }
    regle.LargeurTrait(2);
    for (int i = 0; i <= 16; ++i) {
        regle.Ligne(static_cast<float>(i), 0, static_cast<float>(i), 0.2f, Qt::black);
        regle.PlaceCourant(regle.CourantX() - 0.25f, regle.CourantY());
        // A number printed as a value: a space where a sign would stand, and one after.
        regle.Imprime(QStringLiteral(" %1 ").arg(i));
    }
}

} // namespace view
