#pragma once

#include "sim/Etat.h"

namespace sim {

// 2 / (e^x + e^-x), 0 from 50 on; never overflows for large negative x.
double SecanteHyperbolique(double x);

// Pulse time factor k (1/s) of a pulse shape, 0 when no pulse has been launched.
int FacteurTempsSoliton(int16_t forme);

void CalculePeriodique(EtatSimulation& etat);
void CalculeSolitaire(EtatSimulation& etat);

// One evaluation of the string at TempsMs; the mode is the visibility of the periodic panel.
void CalculeModele(EtatSimulation& etat, bool periodique);

} // namespace sim
