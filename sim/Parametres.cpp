// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Parametres.h"

#include "sim/FormatNombre.h"

namespace sim {

double FrequenceDepuisBarre(int v) {
    return v / 10.0;
}
double CeleriteDepuisBarre(int v) {
    return v / 10.0;
}
float CoefDeformationDepuisBarre(int v) {
    return static_cast<float>(1.0 - v / 100.0);
}
float CoefAmortissementDepuisBarre(int v) {
    return static_cast<float>(v / 10.0);
}
float AmplitudeDepuisBarre(int v) {
    return static_cast<float>(v / 10.0);
}

void LitParametres(EtatSimulation& etat, const PositionsBarres& barres) {
    etat.Frequence = FrequenceDepuisBarre(barres.freq);
    etat.Celerite = CeleriteDepuisBarre(barres.CeleriteOnde);
    etat.DureeBalayage = etat.BaseDeTemps * 10 / 1000;
    etat.CoefDeformation = CoefDeformationDepuisBarre(barres.Deformation);
    etat.CoefAmortissement = CoefAmortissementDepuisBarre(barres.Amortissement);
    etat.AmplitudeCm = AmplitudeDepuisBarre(barres.Amplitude);
    etat.AmplitudeSolitonCm = AmplitudeDepuisBarre(barres.AmplitudeSoliton);
}

std::string LibelleFrequence(double frequenceHz) {
    return FormatDouble(frequenceHz) + " Hz";
}
std::string LibelleCelerite(double celeriteCmS) {
    return FormatDouble(celeriteCmS) + " cm/s";
}
std::string LibelleAmplitude(float amplitudeCm) {
    return FormatSimple(amplitudeCm) + "cm";
}

} // namespace sim
