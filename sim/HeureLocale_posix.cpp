// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/HeureLocale.h"

namespace sim {

std::tm HeureLocale(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    return local;
}

} // namespace sim
