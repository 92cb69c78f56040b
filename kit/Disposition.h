// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a window's layout is made of: every control with its container, place in twips
// (designed at 120 dpi, 12 twips to the pixel), caption, colours, font and cursor.

#include "kit/Palette.h"

#include <span>
#include <string_view>

namespace kit {

inline constexpr int TwipsParPixel = 12;
constexpr int Pixels(int twips) {
    return (twips + TwipsParPixel / 2) / TwipsParPixel;
}
// At a window's zoom: the same pixels at zoom 1, halves rounded up as there.
int Pixels(int twips, double zoom);

enum class Genre {
    Panneau,         // container with a background, optionally a border and a picture
    Surface,         // drawing surface with a user scale
    Etiquette,       // label
    Image,           // picture scaled to the control, clickable
    BoutonGraphique, // push button showing a picture (and a caption under it)
    Barre,           // horizontal scroll bar
    Option,          // option button
    Marqueur,        // label that drags automatically
};

enum class Curseur { Fleche, Main, Pince };

enum class Dessin {
    Aucun,
    Logo,
    Banniere,
    Pause,
    Lecture,
    Pas,
    Croix,
    SinusClair,
    SinusSombre,
    BosseClaire,
    BosseSombre,
    ImpulsionEtroite,
    ImpulsionMoyenne,
    ImpulsionLarge,
    CaseBleue,
    CaseBleueCochee,
    CaseOrange,
    CaseOrangeCochee,
    TriangleDemarrer,
};

struct Police {
    double points = 10.2;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
};

enum Drapeau : unsigned {
    Bordure = 1u << 0, // flat one-pixel border; children start inside it
    Cache = 1u << 1,   // hidden at start
    Opaque = 1u << 2,  // label painted on its background colour
    ADroite = 1u << 3,
    Centre = 1u << 4,
    RetourLigne = 1u << 5,
    Coche = 1u << 6, // option selected at start
};

struct Controle {
    std::string_view nom;
    std::string_view parent; // empty: the window itself
    Genre genre;
    int gauche, haut, largeur, hauteur; // twips
    std::string_view legende = {};
    Rgb fond = GrisClair;
    Rgb texte = TexteFenetre;
    Police police = {};
    Curseur curseur = Curseur::Fleche;
    Dessin dessin = Dessin::Aucun;
    unsigned drapeaux = 0;
};

struct BarreParametre {
    std::string_view nom;
    int minimum, maximum, valeur, pasTrack;
};

struct EchelleSurface {
    std::string_view nom;
    double gauche, haut, twipsParUniteX, twipsParUniteY;
};

struct Fenetre {
    std::string_view nom;
    std::string_view legende;
    int largeur, hauteur; // twips of client area
    Rgb fond;
    std::span<const Controle> controles;
};

} // namespace kit
