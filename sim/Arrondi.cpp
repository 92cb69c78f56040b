// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Arrondi.h"

#include <cmath>
#include <limits>

namespace sim {

int32_t ArrondiPair(double valeur) {
    if (std::isnan(valeur))
        return 0;
    constexpr double plusPetit = std::numeric_limits<int32_t>::min();
    constexpr double plusGrand = std::numeric_limits<int32_t>::max();
    if (valeur <= plusPetit)
        return std::numeric_limits<int32_t>::min();
    if (valeur >= plusGrand)
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::nearbyint(valeur)); // default rounding: halves to even
}

} // namespace sim
