// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/HeureLocale.h"

namespace sim {

std::tm HeureLocale(std::time_t moment) {
    std::tm local{};
    localtime_s(&local, &moment); // the C runtime's, its arguments the other way round
    return local;
}

} // namespace sim
