// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Disposition.h"
#include "kit/Trouve.h"

#include <QFont>
#include <QPoint>
#include <QString>
#include <QWidget>

namespace fenetre {

// Calibri at the layout's 120 dpi (a point is 120/72 pixels) times the zoom, Carlito where
// it is missing.
QFont PoliceQt(const kit::Police& police, double zoom = 1);

// A caption of the layout in the language of the interface; French is the source.
QString Legende(std::string_view francais);

// Creates every control of the layout inside the window, named after the layout, at
// zoom 1.
void ConstruitFenetre(QWidget* fenetre, const kit::Fenetre& disposition);

// Places, sizes and draws every control again at a zoom, the layout's top-left corner at
// origine in the window. The window's own size is left to the caller.
void AppliqueZoom(QWidget* fenetre, const kit::Fenetre& disposition, double zoom, QPoint origine);

} // namespace fenetre
