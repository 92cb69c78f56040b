// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/Arrondi.h"
#include "sim/Etat.h"

#include <cstdint>
#include <functional>

namespace sim {

// Seconds since local midnight of the day the program started, read at millisecond
// resolution or better. The real one is steady: it never jumps back at midnight or when
// the system time is changed, it just keeps counting past 86 400.
using HorlogeMurale = std::function<double()>;

// heureDuJour gives seconds since local midnight (read once, at creation); ecoule gives a
// steady count of seconds (read at every call). Both are handed in so that tests can make
// the system clock misbehave.
HorlogeMurale HorlogeMonotone(const std::function<double()>& heureDuJour,
                              std::function<double()> ecoule);
HorlogeMurale HorlogeSysteme();

// The wall clock as the simulation reads it: at the chosen rate of the real one (1, 1/2,
// 1/4, 1/10 for slow motion), and continuous when the rate changes, so that the wave never
// jumps. At rate 1 it gives back the wall clock's own readings, plus whatever the slower
// spans held it back.
class HorlogeRalentie {
public:
    explicit HorlogeRalentie(HorlogeMurale murale);
    double operator()() const;
    void ChoisitFacteur(double facteur);
    double Facteur() const { return facteur_; }

private:
    HorlogeMurale murale_;
    double facteur_ = 1;
    double repere_ = 0; // the wall clock's reading at the last change
    double base_ = 0;   // this clock's reading then
};

// Position of a clock value within its oscilloscope sweep, in s: (q - floor(q)) * duree.
double PositionBalayage(int32_t tempsMs, double dureeBalayage);

// The clock step of a running tick.
void PasHorloge(EtatSimulation& etat, double horloge);
// Pause: freeze the simulation time.
void FigeTemps(EtatSimulation& etat);
// Play: continue from the frozen time.
void RepartDe(EtatSimulation& etat, double horloge);
// Single step of 50 ms (the caller has paused first).
void AvanceUnPas(EtatSimulation& etat);
inline constexpr int32_t PasMs = 50;

// Simulation time at which a pulse launched now leaves the vibrator.
double DebutImpulsion(const EtatSimulation& etat, double horloge, bool enMarche);
inline constexpr double DelaiImpulsion = 0.25;

// TempsMs is 32 bits wide: near its end the whole clock is moved back by a span that is a
// whole number of every wave period and sweep length, so nothing on screen changes.
inline constexpr int64_t SeuilRecalageMs = 2'000'000'000;
inline constexpr int64_t PeriodeRecalageMs = 1'728'000'000; // 20 days

} // namespace sim
