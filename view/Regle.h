// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/SurfaceDessin.h"

namespace view {

// The centimetre ruler under the string view, drawn once while the window loads.
void GradueRegle(kit::SurfaceDessin& regle);

} // namespace view
