#pragma once

#include "ui/Disposition.h"

#include <QCursor>
#include <QPixmap>

namespace ui {

// Every picture of the program, drawn in code at its own pixel size.
QPixmap Pixmap(Dessin dessin);
QPixmap Logo(int cote); // square application logo, for the window and program icon
QCursor CurseurDe(Curseur curseur);

} // namespace ui
