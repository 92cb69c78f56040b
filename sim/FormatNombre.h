// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sim {

// Value labels show numbers the way the program always has: " .5", " 12.5", "-.5" -- a
// leading space in place of the sign, a full stop whatever the locale, no leading zero.
std::string FormatSimple(float valeur);  // 7 significant digits
std::string FormatDouble(double valeur); // 15 significant digits

} // namespace sim
