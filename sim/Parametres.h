// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/Etat.h"

#include <string>

namespace sim {

// Integer positions of the six parameter scroll bars.
struct PositionsBarres {
    int freq = 10;
    int CeleriteOnde = 50;
    int Deformation = 50;
    int Amortissement = 0;
    int Amplitude = 5;
    int AmplitudeSoliton = 15;
};

// Conversions from a bar position to its parameter; the single-precision parameters take
// the double quotient rounded once on storing.
double FrequenceDepuisBarre(int v);
double CeleriteDepuisBarre(int v);
float CoefDeformationDepuisBarre(int v);
float CoefAmortissementDepuisBarre(int v);
float AmplitudeDepuisBarre(int v);

// Reads every bar into the state; DureeBalayage follows the current BaseDeTemps.
void LitParametres(EtatSimulation& etat, const PositionsBarres& barres);

std::string LibelleFrequence(double frequenceHz);
std::string LibelleCelerite(double celeriteCmS);
std::string LibelleAmplitude(float amplitudeCm);

} // namespace sim
