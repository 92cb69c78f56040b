// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/Etat.h"

namespace sim {

// Choosing the solitary tab flattens the computed part of the string; 185..200 are never
// written by anyone.
void AplatitCorde(EtatSimulation& etat);

// Position-to-point rule: abscissa (cm) times 12, halves to even. Anywhere the pointer may
// be; IndicePoint keeps it within the arrays.
int32_t PointLePlusProche(double abscisseCm);
int IndicePoint(double abscisseCm);

// Sensor n's sample and the ordinate it is traced at.
double OrdonneePoint(const EtatSimulation& etat, int indice);

} // namespace sim
