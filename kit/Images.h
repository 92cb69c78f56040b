// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Disposition.h"

#include <QCursor>
#include <QPixmap>

namespace kit {

// Every picture of the program, drawn in code at its own pixel size times the window's
// zoom.
QPixmap Pixmap(Dessin dessin, double zoom = 1);
QPixmap Logo(int cote); // square application logo, for the window and program icon
QCursor CurseurDe(Curseur curseur, double zoom = 1);

} // namespace kit
