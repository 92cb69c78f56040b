// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/Etat.h"

#include <array>

namespace sim {

// 2 / (e^x + e^-x), 0 from 50 on; never overflows for large negative x.
double SecanteHyperbolique(double x);

// FormeSoliton while the vibrator is moved by hand: the string carries EtatSimulation::Main.
inline constexpr int16_t FormeMain = 4;

// Pulse time factor k (1/s) of a pulse shape, 0 when no pulse has been launched.
int FacteurTempsSoliton(int16_t forme);

void CalculePeriodique(EtatSimulation& etat);
void CalculeSolitaire(EtatSimulation& etat);

// The far end of the string, EtatSimulation::Extremite.
enum : int16_t { SansFin = 0, ExtremiteFixe = 1, ExtremiteLibre = 2 };
inline constexpr double LongueurCorde = 14; // cm, from the vibrator to the end
inline constexpr int PointExtremite = 168;  // the end's point: 14 cm
// A reflected wave is counted while its damping leaves more than this fraction of it, and
// for this many round trips at most: the cost of a tick stays bounded even undamped.
inline constexpr double FractionNegligeable = 1e-2;
inline constexpr int AllersRetoursMax = 16;

// The vibrator's displacement (cm) at simulation time u (s), periodic or pulsed.
double VibreurPeriodique(const EtatSimulation& etat, double u);
double VibreurSolitaire(const EtatSimulation& etat, double u);

// With an end, adds to the direct wave of points 0..PointExtremite the waves reflected by
// the end (upside down at a fixed end) and then by the vibrator (upside down too), damped
// along the whole path, for the reflections at the end since DebutReflexions; the points
// beyond the end follow it.
void AjouteReflexions(EtatSimulation& etat, bool periodique);

// One evaluation of the string at TempsMs; the mode is the visibility of the periodic panel.
// With no end, the direct wave alone, as it has always been.
void CalculeModele(EtatSimulation& etat, bool periodique);

// The first three natural frequencies (Hz) of the string with that end: n v / 2L with a
// fixed end, (2n - 1) v / 4L with a free one.
std::array<double, 3> FrequencesPropres(int16_t extremite, double celeriteCmS);

} // namespace sim
