// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A lesson: every setting of the main window in physical units, as a UTF-8 text file a
// teacher can read and edit ("nom = valeur", one a line, after a first line naming the
// format and its version). Read whole or not at all: every value is checked before anything
// is applied.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace sim {

inline constexpr std::string_view EnTeteLecon = "vibraLIGNE-lecon";
inline constexpr int VersionLecon = 1;
inline constexpr size_t TailleMaxLecon = 64 * 1024;

struct Lecon {
    bool periodique = true;
    int impulsion = 2;        // 1, 2, 3: narrow to wide
    double frequenceHz = 1;   // 0.1 .. 4, by 0.1
    double amplitudeCm = 0.5; // 0 .. 3, by 0.1
    double amplitudeImpulsionCm = 1.5;
    int montee = 50;                              // % of the period spent rising, 10 .. 90
    double celeriteCmS = 5;                       // 0.1 .. 20, by 0.1
    double amortissement = 0;                     // per 10 cm, 0 .. 1, by 0.1
    int extremite = 0;                            // 0 endless, 1 fixed, 2 free
    std::optional<double> capteur1Cm, capteur2Cm; // nothing: switched off
    bool oscilloscope = false;                    // shown
    double baseDeTempsS = 0.5;                    // per division: 0.1, 0.2, 0.5, 1, 1.5, 2
    bool enPause = false;
    std::optional<double> ligneDeReferenceCm; // nothing: not shown
    std::string titre, commentaire;
};

enum class ProblemeLecon {
    PasDuTexte, // bytes that are not UTF-8 text
    TropGrande, // over TailleMaxLecon
    Vide,
    PasUneLecon, // the first line is not the format's
    VersionPlusRecente,
    LigneIllisible, // no "nom = valeur"
    CleInconnue,
    CleRepetee,
    ValeurIllisible,
    HorsBornes,
    LigneManquante,
};

struct ErreurLecon {
    ProblemeLecon probleme;
    int ligne = 0;      // 1-based; 0 for the file as a whole
    std::string cle;    // the setting concerned, if any
    std::string bornes; // what would be accepted, for HorsBornes and ValeurIllisible
};

std::variant<Lecon, ErreurLecon> LitLecon(std::string_view texte);
std::string EcritLecon(const Lecon& lecon);

} // namespace sim
