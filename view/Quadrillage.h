// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/SurfaceDessin.h"

namespace view {

// The half-centimetre grid shared by the string view and the oscilloscope screen: darker
// whole lines, lighter half lines, drawn in an order where later lines cover earlier ones.
// Vertical lines for i = 0..dernierI, horizontal lines for i = 0..7 from 0 to largeur.
void DessineQuadrillage(kit::SurfaceDessin& surface, int dernierI, float largeur);

} // namespace view
