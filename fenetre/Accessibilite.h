// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace fenetre {

// French accessible names and descriptions for every interactive control, the Tab order
// that follows the panels, and the keyboard for what the mouse does. Nothing of the
// mouse behaviour changes: the controls take the focus from the Tab key only.
void RendAccessible(QWidget* fenetre);

// Before any control exists: the clickable labels and pictures are buttons to assistive
// technology, and the interfaces it builds are kept for the control's whole life.
void InstalleFabriqueAccessible();

// The accessible description of a sensor's place: "3,32 centimètres".
QString DescriptionPosition(float abscisseCm);

// The accessible description of a scroll bar: its parameter's current value in its unit.
QString ValeurAccessible(const QString& barre, int valeur);

} // namespace fenetre
