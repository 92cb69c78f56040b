// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace kit {

// Once the application exists, before any window: what this platform must add to Qt (in
// a page, the font the layout is measured in, built into the program).
void PreparePlateforme();

// A window shown the way this platform shows one: on a desktop at its laid-out size; in a
// page, filling the page at the zoom that fits, as on a projector.
void MontreFenetre(QWidget* fenetre);

// What the help's "À propos" says of this build beside the version: nothing on a desktop,
// the web build in a page.
QString Edition();

} // namespace kit
