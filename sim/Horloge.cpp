// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Horloge.h"

#include "sim/HeureLocale.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>
#include <utility>

namespace sim {
namespace {

// A clock value in ms, brought below the threshold by moving the whole clock back by whole
// spans: the origin, the frozen time and the pulse's start move with it, so the wave, the
// sweep and the pulse in flight go on as if nothing happened.
double RameneSousLeSeuil(EtatSimulation& etat, double tempsMs) {
    if (tempsMs < SeuilRecalageMs)
        return tempsMs;
    const double spans = std::floor((tempsMs - SeuilRecalageMs) / PeriodeRecalageMs) + 1;
    const double secondes = spans * (PeriodeRecalageMs / 1000.0);
    etat.OrigineTemps += secondes;
    etat.Temps -= secondes;
    etat.DebutSoliton -= secondes;
    etat.DebutReflexions -= secondes;
    return tempsMs - spans * PeriodeRecalageMs;
}

double HeureDuJourLocale() {
    const std::time_t maintenant = std::time(nullptr);
    const std::tm local = HeureLocale(maintenant);
    const auto depuisEpoque = std::chrono::system_clock::now().time_since_epoch();
    const double fraction =
        std::chrono::duration<double>(depuisEpoque -
                                      std::chrono::floor<std::chrono::seconds>(depuisEpoque))
            .count();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

double SecondesStables() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

HorlogeMurale HorlogeMonotone(const std::function<double()>& heureDuJour,
                              std::function<double()> ecoule) {
    const double depart = heureDuJour();
    const double origineEcoule = ecoule();
    return [depart, origineEcoule, ecoule = std::move(ecoule)] {
        return depart + (ecoule() - origineEcoule);
    };
}

HorlogeMurale HorlogeSysteme() {
    return HorlogeMonotone(HeureDuJourLocale, SecondesStables);
}

HorlogeRalentie::HorlogeRalentie(HorlogeMurale murale) : murale_(std::move(murale)) {}

double HorlogeRalentie::operator()() const {
    const double murale = murale_();
    // At rate 1 the offset is added whole: never changed, it is zero, and the wall clock's
    // readings come back bit for bit.
    if (facteur_ == 1)
        return murale + (base_ - repere_);
    return base_ + (murale - repere_) * facteur_;
}

void HorlogeRalentie::ChoisitFacteur(double facteur) {
    base_ = (*this)();
    repere_ = murale_();
    facteur_ = facteur;
}

double PositionBalayage(int32_t tempsMs, double dureeBalayage) {
    const double q = tempsMs / (dureeBalayage * 1000);
    return (q - std::floor(q)) * dureeBalayage;
}

void PasHorloge(EtatSimulation& etat, double horloge) {
    etat.TempsBalayage = static_cast<float>(PositionBalayage(etat.TempsMs, etat.DureeBalayage));
    const double ecouleMs = std::nearbyint((horloge - etat.OrigineTemps) * 1000); // halves to even
    if (!std::isfinite(ecouleMs))
        return;
    if (ecouleMs < etat.TempsMs) {
        // A clock that went back: carry on from where the simulation stood.
        etat.OrigineTemps = horloge - etat.TempsMs / 1000.0;
        return;
    }
    etat.TempsMs = static_cast<int32_t>(RameneSousLeSeuil(etat, ecouleMs));
}

void FigeTemps(EtatSimulation& etat) {
    etat.Temps = etat.TempsMs / 1000.0;
}

void RepartDe(EtatSimulation& etat, double horloge) {
    etat.OrigineTemps = horloge - etat.Temps;
}

void AvanceUnPas(EtatSimulation& etat) {
    etat.TempsBalayage = static_cast<float>(PositionBalayage(etat.TempsMs, etat.DureeBalayage));
    etat.TempsMs =
        static_cast<int32_t>(RameneSousLeSeuil(etat, static_cast<double>(etat.TempsMs) + PasMs));
    etat.Temps = etat.TempsMs / 1000.0;
}

double DebutImpulsion(const EtatSimulation& etat, double horloge, bool enMarche) {
    // While paused the wall clock runs on but the simulation does not: a pulse launched
    // then must leave a quarter second after the frozen time, or stepping never shows it.
    if (!enMarche)
        return etat.TempsMs / 1000.0 + DelaiImpulsion;
    return horloge + DelaiImpulsion - etat.OrigineTemps;
}

} // namespace sim
