// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace sim {

// Nearest integer, halves to even, saturated to the int32 range (NaN gives 0).
int32_t ArrondiPair(double valeur);

} // namespace sim
