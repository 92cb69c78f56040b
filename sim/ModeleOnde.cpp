#include "sim/ModeleOnde.h"

#include <cmath>

namespace sim {
namespace {

// The program has always used this literal rather than 2*pi; keeping it keeps the phases
// bit-for-bit what teachers have seen.
constexpr double ConstanteAngulaire = 6.2831853;

double Amortissement(double coef, int i) {
    return std::exp(-coef * i / 120);
}

} // namespace

double SecanteHyperbolique(double x) {
    if (x >= 50)
        return 0;
    // Below about -709.78, e^-x leaves the double range; 2e^x is then the exact value
    // (e^2x vanishes beside 1), so the pulse tail ahead of the vibrator stays finite.
    if (x < -700)
        return 2 * std::exp(x);
    return 2 / (std::exp(x) + std::exp(-x));
}

int FacteurTempsSoliton(int16_t forme) {
    switch (forme) {
    case 1:
        return 15;
    case 2:
        return 10;
    case 3:
        return 5;
    default:
        return 0;
    }
}

void CalculePeriodique(EtatSimulation& etat) {
    const double t = etat.TempsMs / 1000.0;
    const double f = etat.Frequence;
    const double deformation = etat.CoefDeformation;
    for (int i = 0; i <= DernierPointCalcule; ++i) {
        const double tempsRetarde = t - i / (etat.Celerite * 12);
        const double n = std::floor(f * tempsRetarde);
        const double sommet = (n + deformation) / f;
        const double omega = tempsRetarde <= sommet
                                 ? ConstanteAngulaire * f / (2 * deformation)
                                 : ConstanteAngulaire * f / (2 * (1 - deformation));
        const double phase = omega * (tempsRetarde - sommet);
        etat.ElongationPrecedente[i] = etat.Elongation[i];
        etat.Elongation[i] =
            etat.AmplitudeCm * std::cos(phase) * Amortissement(etat.CoefAmortissement, i);
    }
}

void CalculeSolitaire(EtatSimulation& etat) {
    const int k = FacteurTempsSoliton(etat.FormeSoliton);
    if (k == 0)
        return;
    const double t = etat.TempsMs / 1000.0;
    for (int i = 0; i <= DernierPointCalcule; ++i) {
        const double u = k * ((t - etat.DebutSoliton) - i / (12 * etat.Celerite));
        etat.Elongation[i] = etat.AmplitudeSolitonCm * SecanteHyperbolique(u) *
                             Amortissement(etat.CoefAmortissement, i);
    }
}

void CalculeModele(EtatSimulation& etat, bool periodique) {
    if (periodique)
        CalculePeriodique(etat);
    else
        CalculeSolitaire(etat);
}

} // namespace sim
