// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The simulation state shared by every routine of the main window. Names and types follow
// the program's own vocabulary; lengths are in cm, times in s unless the name ends in Ms.

#include <array>
#include <cstdint>

namespace sim {

class HistoriqueVibreur;

inline constexpr int PointsParCm = 12;
inline constexpr int DernierPointCalcule = 184; // points 0..184 are computed and drawn
inline constexpr int NombrePoints = 201;        // arrays are indexed 0..200
inline constexpr double OrdonneeRepos = 3.5;    // view ordinate of the string at rest

struct EtatSimulation {
    int32_t TempsMs = 0;                           // simulation clock, ms
    double Temps = 0;                              // s, frozen at the last pause or step
    float TempsBalayage = 0;                       // s, sweep position of the previous clock value
    double OrigineTemps = 0;                       // wall-clock reading (s) for simulation time 0
    std::array<double, 3> AbscisseCapteur{};       // cm, indexed by sensor number 1 or 2
    std::array<double, 3> OrdonneeCapteur{};       // view units
    double Celerite = 0;                           // cm/s
    std::array<double, NombrePoints> Elongation{}; // cm, positive upwards
    std::array<double, NombrePoints> ElongationPrecedente{}; // cm, before the last periodic update
    std::array<double, 3> DerniereValeurCapteur{}; // screen ordinate of the last trace point
    double Frequence = 0;                          // Hz
    double DureeBalayage = 0;                      // s, ten divisions
    double BaseDeTemps = 0;                        // ms per division
    float CoefDeformation = 0;                     // fraction of the period spent rising
    float CoefAmortissement = 0;                   // per 10 cm
    float AmplitudeCm = 0;                         // cm
    float AmplitudeSolitonCm = 0;                  // cm
    double DebutSoliton = 0;    // s of simulation time at which the pulse peak leaves
    int16_t FormeSoliton = 0;   // 0 none yet; 1, 2, 3 narrow to wide
    int16_t Extremite = 0;      // the string's far end: 0 none (endless), 1 fixed, 2 free
    double DebutReflexions = 0; // s of simulation time from which the end reflects
    const HistoriqueVibreur* Main = nullptr; // the block's motion while moved by hand
};

} // namespace sim
