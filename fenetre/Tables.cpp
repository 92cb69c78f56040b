// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre/Tables.h"

#include <QtGlobal>

#include <array>
#include <cmath>

namespace fenetre {
using namespace kit;
namespace {

using enum Genre;

constexpr Police Titre{12};
constexpr Police Onglet{10.8};
constexpr Police OngletSouligne{10.8, false, false, true};
constexpr Police Invite{16.2};

// One control per line, as the layout tables read.
// clang-format off
constexpr std::array ControlesCorde = std::to_array<Controle>({
    // Top-level panels.
    {"Picture2", "", Panneau, 120, 5280, 5412, 3252, {}, Marine, {}, {}, {}, {}, Bordure},
    {"Picture4", "", Panneau, 5640, 5280, 4008, 3252, {}, Marine, {}, {}, {}, {}, Bordure},
    {"Picture5", "", Panneau, 9720, 120, 5532, 8412, {}, Marine, {}, {}, {}, {}, Bordure},
    {"Picture1", "", Panneau, 120, 120, 9492, 5052, {}, Marine, {}, {}, {}, {}, Bordure},

    // String view panel.
    {"Regle", "Picture1", Surface, 48, 4368, 9384, 612, {}, GrisClair, TexteFenetre, {9}, {}, {},
     Bordure},
    {"Animation", "Picture1", Surface, 48, 408, 9384, 3996, {}, FondFenetre, TexteFenetre, {}, {},
     {}, Bordure},
    {"AnimationCache", "Picture1", Panneau, 48, 408, 9372, 4020, {}, GrisClair, {}, {}, {}, {},
     Bordure},
    {"Command3", "Picture1", Image, 2040, 48, 300, 300, {}, Marine, {}, {}, Curseur::Main,
     Dessin::Pas},
    {"Command2", "Picture1", Image, 1560, 48, 300, 300, {}, Marine, {}, {}, Curseur::Main,
     Dessin::Lecture, Cache},
    {"Command1", "Picture1", Image, 1560, 48, 300, 300, {}, Marine, {}, {}, Curseur::Main,
     Dessin::Pause},
    {"Image2", "Picture1", Image, 9120, 48, 288, 288, {}, Marine, {}, {}, Curseur::Main,
     Dessin::Croix},
    {"Label1", "Picture1", Etiquette, 48, 48, 1332, 252, QT_TRANSLATE_NOOP("Disposition", "Animation"), Marine, Blanc, Titre},
    {"Label2", "Regle", Etiquette, 2640, 283, 4212, 252, QT_TRANSLATE_NOOP("Disposition", "graduations en cm"), GrisClair, GrisTexte,
     {10.2, false, true}, {}, {}, Centre},
    {"Label4", "AnimationCache", Etiquette, 360, 1560, 8772, 492,
     QT_TRANSLATE_NOOP("Disposition", "Cliquer ici pour voir l'animation"), GrisClair, GrisInvite, Invite, Curseur::Main, {}, Centre},
    {"TemoinCapteur(2)", "Animation", Marqueur, 7920, 1920, 132, 132, {}, TemoinCapteur2, {}, {},
     Curseur::Pince, {}, Bordure | Opaque | Cache},
    {"TemoinCapteur(1)", "Animation", Marqueur, 2760, 1920, 132, 132, {}, TemoinCapteur1, {}, {},
     Curseur::Pince, {}, Bordure | Opaque | Cache},
    {"Capteur2", "Animation", Marqueur, 7920, 0, 57, 3960, {}, BarreCapteur2, {}, {},
     Curseur::Pince, {}, Opaque | Cache},
    {"Capteur1", "Animation", Marqueur, 2760, 0, 57, 3960, {}, BarreCapteur1, {}, {},
     Curseur::Pince, {}, Opaque | Cache},

    // Vibration panel.
    {"VibrationSolitaire", "Picture2", Panneau, 48, 1056, 5304, 2124, {}, GrisClair, {}, {}, {}, {},
     Cache},
    {"OngletSolitaire", "Picture2", Panneau, 2748, 480, 2604, 612, {}, GrisClair, {}, {}, {}, {},
     Cache},
    {"OngletPeriodique", "Picture2", Panneau, 48, 480, 2700, 612, {}, GrisClair},
    {"VibrationPeriodique", "Picture2", Panneau, 48, 1056, 5304, 2124, {}, GrisClair},
    {"Image4", "Picture2", Image, 4440, 720, 852, 348, {}, {16, 22, 55}, {}, {}, {},
     Dessin::BosseClaire},
    {"Label17", "Picture2", Etiquette, 3000, 480, 2292, 252, QT_TRANSLATE_NOOP("Disposition", "Vibration solitaire"), Marine, Blanc,
     OngletSouligne, Curseur::Main, {}, ADroite},
    {"Image1", "Picture2", Image, 120, 720, 852, 348, {}, {16, 22, 55}, {}, {}, {},
     Dessin::SinusClair},
    {"Label16", "Picture2", Etiquette, 120, 480, 2292, 252, QT_TRANSLATE_NOOP("Disposition", "Vibration périodique"), Marine, Blanc,
     OngletSouligne, Curseur::Main},
    {"Label14", "Picture2", Etiquette, 120, 48, 3492, 252, QT_TRANSLATE_NOOP("Disposition", "Propriétés de la vibration"), Marine,
     Blanc, Titre},
    {"Label19", "OngletSolitaire", Etiquette, 480, 0, 2052, 252, QT_TRANSLATE_NOOP("Disposition", "Vibration solitaire"), GrisClair,
     GrisTexte, Onglet, {}, {}, ADroite},
    {"Image6", "OngletSolitaire", Image, 1680, 240, 852, 348, {}, GrisClair, {}, {}, {},
     Dessin::BosseSombre},
    {"Image5", "OngletPeriodique", Image, 120, 240, 852, 348, {}, GrisClair, {}, {}, {},
     Dessin::SinusSombre},
    {"Label18", "OngletPeriodique", Etiquette, 120, 0, 2292, 252, QT_TRANSLATE_NOOP("Disposition", "Vibration périodique"), GrisClair,
     GrisTexte, Onglet},
    {"Amplitude", "VibrationPeriodique", Barre, 480, 960, 2532, 252, {}, {}, {}, {},
     Curseur::Pince},
    {"Deformation", "VibrationPeriodique", Barre, 480, 1560, 2532, 252, {}, {}, {}, {},
     Curseur::Pince},
    {"freq", "VibrationPeriodique", Barre, 480, 360, 2532, 252, {}, {}, {}, {}, Curseur::Pince},
    {"ValeurAmplitude", "VibrationPeriodique", Etiquette, 1560, 720, 1332, 252, QT_TRANSLATE_NOOP("Disposition", "0,5 cm"), GrisClair,
     GrisTexte},
    {"Label15", "VibrationPeriodique", Etiquette, 480, 720, 1332, 252, QT_TRANSLATE_NOOP("Disposition", "Amplitude : "), GrisClair,
     GrisTexte},
    {"Label12", "VibrationPeriodique", Etiquette, 480, 1320, 1332, 252, QT_TRANSLATE_NOOP("Disposition", "Déformation"), GrisClair,
     GrisTexte},
    {"ValeurFrequence", "VibrationPeriodique", Etiquette, 1440, 120, 972, 252, " 1 Hz", GrisClair,
     GrisTexte},
    {"Label6", "VibrationPeriodique", Etiquette, 480, 120, 972, 252, QT_TRANSLATE_NOOP("Disposition", "Fréquence : "), GrisClair,
     GrisTexte},
    {"Command6", "VibrationSolitaire", BoutonGraphique, 3360, 1320, 1092, 372, {}, GrisClair, {},
     {}, {}, Dessin::ImpulsionLarge},
    {"Command5", "VibrationSolitaire", BoutonGraphique, 480, 1320, 1092, 372, {}, GrisClair, {}, {},
     {}, Dessin::ImpulsionEtroite},
    {"Command4", "VibrationSolitaire", BoutonGraphique, 1920, 1320, 1092, 372, {}, GrisClair, {},
     {}, {}, Dessin::ImpulsionMoyenne},
    {"AmplitudeSoliton", "VibrationSolitaire", Barre, 480, 720, 2532, 252, {}, {}, {}, {},
     Curseur::Pince},
    {"Label22", "VibrationSolitaire", Etiquette, 480, 1080, 2412, 252, QT_TRANSLATE_NOOP("Disposition", "Animer le vibreur :"),
     GrisClair, GrisTexte},
    {"ValeurAmplitudeSoliton", "VibrationSolitaire", Etiquette, 1680, 480, 1332, 252, QT_TRANSLATE_NOOP("Disposition", "1,5 cm"),
     GrisClair, GrisTexte},
    {"Label20", "VibrationSolitaire", Etiquette, 480, 480, 1332, 252, QT_TRANSLATE_NOOP("Disposition", "Amplitude : "), GrisClair,
     GrisTexte},

    // Medium panel.
    {"Picture7", "Picture4", Panneau, 48, 456, 3888, 2724, {}, GrisClair, {}, {}, {}, {}, Bordure},
    {"Label5", "Picture4", Etiquette, 120, 48, 2292, 252, QT_TRANSLATE_NOOP("Disposition", "Propriétés du milieu"), Marine, Blanc,
     Titre},
    {"Amortissement", "Picture7", Barre, 240, 1200, 3372, 252, {}, {}, {}, {}, Curseur::Pince},
    {"CeleriteOnde", "Picture7", Barre, 240, 600, 3372, 252, {}, {}, {}, {}, Curseur::Pince},
    {"Label13", "Picture7", Etiquette, 240, 960, 1572, 252, QT_TRANSLATE_NOOP("Disposition", "Amortissement :"), GrisClair,
     GrisTexte},
    {"ValeurCelerite", "Picture7", Etiquette, 1800, 240, 1572, 252, " 5 cm/s", GrisClair,
     GrisTexte},
    {"Label7", "Picture7", Etiquette, 240, 240, 1572, 252, QT_TRANSLATE_NOOP("Disposition", "Célérité de l'onde : "), GrisClair,
     GrisTexte},
    {"Label30", "Picture7", Etiquette, 240, 1560, 2772, 252, QT_TRANSLATE_NOOP("Disposition", "Extrémité de la corde :"), GrisClair,
     Noir, Onglet},
    {"Extremite(0)", "Picture7", Option, 240, 1860, 1332, 255, QT_TRANSLATE_NOOP("Disposition", "sans fin"), GrisClair, GrisTexte, {},
     {}, {}, Coche},
    {"Extremite(1)", "Picture7", Option, 240, 2100, 1332, 255, QT_TRANSLATE_NOOP("Disposition", "fixe"), GrisClair, GrisTexte},
    {"Extremite(2)", "Picture7", Option, 240, 2340, 1332, 255, QT_TRANSLATE_NOOP("Disposition", "libre"), GrisClair, GrisTexte},

    // Oscilloscope column.
    {"CacheOscillo", "Picture5", Panneau, 48, 408, 5412, 7932, {}, GrisClair, {}, {}, {}, {},
     Bordure},
    {"Picture15", "Picture5", Panneau, 48, 5592, 5412, 2220, {}, GrisClair, {}, {}, {}, {},
     Bordure},
    {"Picture6", "Picture5", Panneau, 48, 4440, 5412, 1092, {}, GrisClair, {}, {}, {}, {}, Bordure},
    {"Oscillo", "Picture5", Surface, 48, 408, 5412, 3972, {}, FondFenetre, TexteFenetre, {}, {}, {},
     Bordure},
    {"Label3", "Picture5", Etiquette, 48, 48, 3372, 252, QT_TRANSLATE_NOOP("Disposition", "Evolution temporelle"), Marine, Blanc,
     Titre},
    {"Image3", "Picture5", Image, 5160, 48, 288, 288, {}, Marine, {}, {}, Curseur::Main,
     Dessin::Croix},
    {"Label21", "CacheOscillo", Etiquette, 480, 2760, 4572, 2292,
     QT_TRANSLATE_NOOP("Disposition", "Cliquer ici pour voir l'évolution temporelle d'un ou deux points du milieu"), GrisClair,
     GrisInvite, Invite, Curseur::Main, {}, Centre | RetourLigne},
    {"ActiveCapteur2", "Picture6", Image, 120, 720, 192, 192, {}, GrisClair, {}, {}, Curseur::Main,
     Dessin::CaseOrange},
    {"ActiveCapteur1", "Picture6", Image, 120, 480, 192, 192, {}, GrisClair, {}, {}, Curseur::Main,
     Dessin::CaseBleue},
    {"Label10", "Picture6", Etiquette, 480, 720, 852, 252, QT_TRANSLATE_NOOP("Disposition", "Capteur 2"), GrisClair, GrisTexte, {},
     Curseur::Main},
    {"Label9", "Picture6", Etiquette, 480, 480, 852, 252, QT_TRANSLATE_NOOP("Disposition", "Capteur 1"), GrisClair, GrisTexte, {},
     Curseur::Main},
    {"Label8", "Picture6", Etiquette, 120, 120, 1572, 252, QT_TRANSLATE_NOOP("Disposition", "Capteurs :"), GrisClair, Noir, Onglet},
    {"DesactiveCapteur1", "Picture6", Image, 120, 480, 192, 192, {}, GrisClair, {}, {},
     Curseur::Main, Dessin::CaseBleueCochee},
    {"DesactiveCapteur2", "Picture6", Image, 120, 720, 192, 192, {}, GrisClair, {}, {},
     Curseur::Main, Dessin::CaseOrangeCochee},
    {"Sens(5)", "Picture15", Option, 240, 480, 1332, 255, QT_TRANSLATE_NOOP("Disposition", "0,1 s/div"), GrisClair, GrisTexte},
    {"Sens(0)", "Picture15", Option, 240, 720, 1212, 255, QT_TRANSLATE_NOOP("Disposition", "0,2 s/div"), GrisClair, GrisTexte},
    {"Sens(1)", "Picture15", Option, 240, 960, 1092, 255, QT_TRANSLATE_NOOP("Disposition", "0,5 s/div"), GrisClair, GrisTexte, {}, {},
     {}, Coche},
    {"Sens(2)", "Picture15", Option, 240, 1200, 1092, 255, QT_TRANSLATE_NOOP("Disposition", "1,0 s/div"), GrisClair, GrisTexte},
    {"Sens(3)", "Picture15", Option, 240, 1440, 1332, 255, QT_TRANSLATE_NOOP("Disposition", "1,5 s/div"), GrisClair, GrisTexte},
    {"Sens(4)", "Picture15", Option, 240, 1680, 1332, 255, QT_TRANSLATE_NOOP("Disposition", "2,0 s/div"), GrisClair, GrisTexte},
    {"Label11", "Picture15", Etiquette, 72, 120, 3012, 252, QT_TRANSLATE_NOOP("Disposition", "Sensibilité horizontale  :"), GrisClair,
     Noir, Onglet},
});

constexpr Police Credit{13.8, true};
constexpr Police Ecole{12};

constexpr std::array ControlesAccueil = std::to_array<Controle>({
    {"Command1", "", BoutonGraphique, 120, 5400, 2532, 615, QT_TRANSLATE_NOOP("Disposition", "Démarrer la simulation"), GrisClair,
     TexteFenetre, {}, Curseur::Main, Dessin::TriangleDemarrer},
    {"Picture2", "", Panneau, 3120, 3360, 5532, 1932, {}, GrisClair, {}, {}, {}, {}, Bordure},
    {"Label2", "Picture2", Etiquette, 360, 240, 4692, 1452, TexteDescription, GrisClair, GrisTexte,
     {}, {}, {}, Opaque | RetourLigne},
    {"Picture1", "", Panneau, 120, 120, 852, 852, {}, FondFenetre, {}, {}, {}, Dessin::Logo,
     Bordure},
    {"Label7", "", Etiquette, 6000, 5640, 2652, 372, "vibraLIGNE 2026", Marine, Blanc, Credit, {},
     {}, ADroite},
    {"Label6", "", Etiquette, 120, 3720, 2652, 612,
     QT_TRANSLATE_NOOP("Disposition", "Simulation pour la classe\nde sciences physiques"), Marine, Blanc, Ecole},
    {"Label4", "", Etiquette, 120, 3360, 2892, 372, QT_TRANSLATE_NOOP("Disposition", "L'équipe vibraLIGNE"), Marine, Blanc, Credit},
    {"Label3", "", Etiquette, 120, 4440, 2412, 372, QT_TRANSLATE_NOOP("Disposition", "Ses contributeurs"), Marine, Blanc, Credit},
    {"Label5", "", Etiquette, 120, 4800, 2652, 372, QT_TRANSLATE_NOOP("Disposition", "Logiciel libre, en Qt 6"), Marine, Blanc,
     Ecole},
    {"Image1", "", Image, 0, 1080, 8796, 2052, {}, Marine, {}, {}, Curseur::Main, Dessin::Banniere},
    {"titre", "", Etiquette, 1200, 240, 7932, 732, "vibraLIGNE", Marine, Blanc, {25.8}, {}, {},
     Opaque},
});

constexpr std::array Barres = std::to_array<BarreParametre>({
    {"freq", 1, 40, 10, 1},
    {"Amplitude", 0, 30, 5, 10},
    {"Deformation", 10, 90, 50, 10},
    {"AmplitudeSoliton", 0, 30, 15, 10},
    {"CeleriteOnde", 1, 200, 50, 10},
    {"Amortissement", 0, 10, 0, 1},
});

constexpr std::array Echelles = std::to_array<EchelleSurface>({
    {"Animation", -1.547, 0, 566.9291, 566.9426},
    {"Regle", -1.54, 0, 566.9291, 567.0203},
    {"Oscillo", 0, 0, 538.8, 564.0},
});
// clang-format on

} // namespace

const Fenetre DispositionCorde{"Corde", "vibraLIGNE", 15360, 8640, {192, 192, 192}, ControlesCorde};
const Fenetre DispositionAccueil{"Accueil", "Form1", 8796, 6168, Marine, ControlesAccueil};

std::span<const BarreParametre> BarresParametres() {
    return Barres;
}
std::span<const EchelleSurface> EchellesSurfaces() {
    return Echelles;
}

} // namespace fenetre
