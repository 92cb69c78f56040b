// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Console.h"

namespace app {

void EcritConsole(std::FILE* flux, const QString& texte) {
    std::fputs(texte.toLocal8Bit().constData(), flux);
}

} // namespace app
