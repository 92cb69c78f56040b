// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <charconv>
#include <string>

namespace sim {

// Real numbers to text and back in the C locale's form, whatever locale the process runs
// in: what std::to_chars and std::from_chars do for a double, with the same results where
// the C++ library lacks them for floating point (LLVM's libc++ of Emscripten 3.1).
std::string EcritReel(double valeur, std::chars_format format, int precision);
std::from_chars_result LitReel(const char* debut, const char* fin, double& valeur);

// The same through the C library (snprintf, strtod) held to std::to_chars' and
// std::from_chars' rules: what EcritReel and LitReel are where the C++ library lacks them.
std::string EcritReelC(double valeur, std::chars_format format, int precision);
std::from_chars_result LitReelC(const char* debut, const char* fin, double& valeur);

} // namespace sim
