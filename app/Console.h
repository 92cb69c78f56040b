// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdio>

namespace app {

// Text for the terminal that started the program (the help, the version, an error), in
// the terminal's own encoding. On Windows the program is a graphical one, with no console
// of its own: it writes to the one that started it, or to where its output was redirected
// (Console_posix.cpp, Console_windows.cpp, chosen by the build).
void EcritConsole(std::FILE* flux, const QString& texte);

} // namespace app
