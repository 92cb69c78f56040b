// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>

namespace sim {

// The local time of day of a moment, thread-safely: each system has its own call for it
// (HeureLocale_posix.cpp, HeureLocale_windows.cpp, chosen by the build).
std::tm HeureLocale(std::time_t moment);

} // namespace sim
