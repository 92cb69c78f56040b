// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/ModeleOnde.h"

#include "sim/Main.h"

#include <cmath>

namespace sim {
namespace {

// The program has always used this literal rather than 2*pi; keeping it keeps the phases
// bit-for-bit what teachers have seen.
constexpr double ConstanteAngulaire = 6.2831853;

double Amortissement(double coef, int i) {
    // Undamped, as the string starts, the factor is exactly e^-0 = 1: 201 exponentials a
    // tick spared, the values unchanged to the bit.
    if (coef == 0)
        return 1;
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

double VibreurPeriodique(const EtatSimulation& etat, double u) {
    const double f = etat.Frequence;
    const double deformation = etat.CoefDeformation;
    const double n = std::floor(f * u);
    const double sommet = (n + deformation) / f;
    const double omega = u <= sommet ? ConstanteAngulaire * f / (2 * deformation)
                                     : ConstanteAngulaire * f / (2 * (1 - deformation));
    const double phase = omega * (u - sommet);
    return etat.AmplitudeCm * std::cos(phase);
}

void CalculePeriodique(EtatSimulation& etat) {
    const double t = etat.TempsMs / 1000.0;
    for (int i = 0; i <= DernierPointCalcule; ++i) {
        const double tempsRetarde = t - i / (etat.Celerite * 12);
        etat.ElongationPrecedente[i] = etat.Elongation[i];
        etat.Elongation[i] =
            VibreurPeriodique(etat, tempsRetarde) * Amortissement(etat.CoefAmortissement, i);
    }
}

double VibreurSolitaire(const EtatSimulation& etat, double u) {
    if (etat.FormeSoliton == FormeMain)
        return etat.Main != nullptr ? etat.Main->Elongation(u) : 0;
    const double x = FacteurTempsSoliton(etat.FormeSoliton) * (u - etat.DebutSoliton);
    // Beyond 50 the pulse is below 1e-21 of its peak: not worth two exponentials.
    if (std::abs(x) >= 50)
        return 0;
    return etat.AmplitudeSolitonCm * SecanteHyperbolique(x);
}

void CalculeSolitaire(EtatSimulation& etat) {
    if (etat.FormeSoliton == FormeMain) {
        // Each point shows the block's recorded motion at the retarded time, damped with
        // distance, as the other drives.
        const double t = etat.TempsMs / 1000.0;
        for (int i = 0; i <= DernierPointCalcule; ++i)
            etat.Elongation[i] = VibreurSolitaire(etat, t - i / (12 * etat.Celerite)) *
                                 Amortissement(etat.CoefAmortissement, i);
        return;
    }
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

// The string is the direct wave plus its images: after the end, a wave that left the
// vibrator at time e has travelled 2(k+1)L - x back towards it, or 2(k+1)L + x after
// reflecting on the vibrator too, k round trips later. Each reflection at the end multiplies
// it by r (-1 fixed, +1 free), each on the vibrator by -1, since the vibrator imposes its
// own displacement; at x = 0 the two images of each round trip cancel, as they must.
void AjouteReflexions(EtatSimulation& etat, bool periodique) {
    if (!periodique && FacteurTempsSoliton(etat.FormeSoliton) == 0 &&
        etat.FormeSoliton != FormeMain)
        return;
    const double t = etat.TempsMs / 1000.0;
    const double c = etat.Celerite;
    const double r = etat.Extremite == ExtremiteFixe ? -1 : 1;
    const double alpha = etat.CoefAmortissement / 10.0; // per cm, as Amortissement
    const double L = LongueurCorde;
    // Waves that reached the end before it was there went on their way.
    const double premiereEmission = etat.DebutReflexions - L / c;
    // The images cost most of a tick with an end: the periodic drive's constants are
    // worked out once here rather than in each of them.
    const double f = etat.Frequence;
    const double montee = etat.CoefDeformation;
    const double omegaMontee = ConstanteAngulaire * f / (2 * montee);
    const double omegaDescente = ConstanteAngulaire * f / (2 * (1 - montee));
    const double amplitude = etat.AmplitudeCm;
    const auto vibreur = [&](double u) {
        if (!periodique)
            return VibreurSolitaire(etat, u);
        const double sommet = (std::floor(f * u) + montee) / f;
        return amplitude * std::cos((u <= sommet ? omegaMontee : omegaDescente) * (u - sommet));
    };
    const double lenteur = 1 / c; // s per cm
    // Damping over 2(k+1)L -+ x, as the round trips' factor times the point's own: two
    // exponentials a point rather than two an image.
    std::array<double, AllersRetoursMax> allersRetours{};
    for (int k = 0; k < AllersRetoursMax; ++k)
        allersRetours[k] = std::exp(-alpha * 2 * (k + 1) * L);
    for (int i = 0; i <= PointExtremite; ++i) {
        const double x = static_cast<double>(i) / PointsParCm;
        const double versLeVibreur = std::exp(alpha * x);
        const double versLExtremite = std::exp(-alpha * x);
        double somme = 0;
        double signe = r; // r (-r)^k, then (-r)^(k+1)
        for (int k = 0; k < AllersRetoursMax; ++k) {
            const double retour = 2 * (k + 1) * L - x;
            const double amortiRetour = allersRetours[k] * versLeVibreur;
            if (t - retour * lenteur < premiereEmission || amortiRetour < FractionNegligeable)
                break;
            somme += signe * amortiRetour * vibreur(t - retour * lenteur);
            signe *= -1;
            const double aller = 2 * (k + 1) * L + x;
            const double amortiAller = allersRetours[k] * versLExtremite;
            if (t - aller * lenteur >= premiereEmission && amortiAller >= FractionNegligeable)
                somme += signe * amortiAller * vibreur(t - aller * lenteur);
            signe *= r;
        }
        etat.Elongation[i] += somme;
    }
    // Not drawn; a sensor's square standing at the end reads the point just past it.
    for (int i = PointExtremite + 1; i <= DernierPointCalcule; ++i)
        etat.Elongation[i] = etat.Elongation[PointExtremite];
}

void CalculeModele(EtatSimulation& etat, bool periodique) {
    if (periodique)
        CalculePeriodique(etat);
    else
        CalculeSolitaire(etat);
    if (etat.Extremite != SansFin)
        AjouteReflexions(etat, periodique);
}

std::array<double, 3> FrequencesPropres(int16_t extremite, double celeriteCmS) {
    std::array<double, 3> frequences{};
    for (int n = 1; n <= 3; ++n)
        frequences[n - 1] = extremite == ExtremiteLibre
                                ? (2 * n - 1) * celeriteCmS / (4 * LongueurCorde)
                                : n * celeriteCmS / (2 * LongueurCorde);
    return frequences;
}

} // namespace sim
