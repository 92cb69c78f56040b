// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/Capteurs.h"

#include "sim/Excitation.h"
#include "sim/ModeleOnde.h"

#include <algorithm>
#include <limits>

namespace view {
namespace {

// The square is centred on the bar, and sits on the string point under its centre.
constexpr double DecalageTemoin = 0.105;
constexpr double DemiLargeurTemoin = 0.16;
constexpr double DemiHauteurTemoin = 0.1;

} // namespace

Capteurs::Capteurs(sim::EtatSimulation& etat, std::array<ControlesCapteur, 3> controles,
                   std::function<void()> afficheCorde)
    : etat_(etat), controles_(controles), afficheCorde_(std::move(afficheCorde)) {}

void Capteurs::Active(int n) {
    const ControlesCapteur& c = controles_[n];
    c.barre->show();
    c.temoin->show();
    c.temoin->PlaceGauche(c.barre->Gauche());
    c.active->hide();
    // The first trace segment starts from where the point is now.
    etat_.DerniereValeurCapteur[n] = sim::OrdonneePoint(etat_, sim::IndicePoint(c.barre->Gauche()));
}

void Capteurs::Desactive(int n) {
    const ControlesCapteur& c = controles_[n];
    c.barre->hide();
    c.temoin->hide();
    c.active->show();
}

void Capteurs::Bascule(int n) {
    if (EstActif(n))
        Desactive(n);
    else
        Active(n);
}

void Capteurs::SurvolAnimation(QWidget* controle, float x, float /*y*/) {
    auto* marqueur = qobject_cast<kit::Marqueur*>(controle);
    if (x < 0 || marqueur == nullptr)
        return;
    marqueur->Place(std::min(x, AbscisseMax()), 0);
    afficheCorde_();
}

float Capteurs::AbscisseMax() const {
    return etat_.Extremite == sim::SansFin ? std::numeric_limits<float>::max()
                                           : static_cast<float>(sim::LongueurCorde);
}

void Capteurs::RespecteExtremite() {
    for (int n : {1, 2}) {
        controles_[n].barre->Borne(AbscisseMax());
        if (controles_[n].barre->Gauche() > AbscisseMax())
            controles_[n].barre->PlaceGauche(AbscisseMax());
    }
}

void Capteurs::AfficheCapteur(int16_t n) {
    const ControlesCapteur& c = controles_[n];
    etat_.AbscisseCapteur[n] = c.barre->Gauche() + DecalageTemoin;
    const int j = sim::IndicePoint(etat_.AbscisseCapteur[n]);
    etat_.OrdonneeCapteur[n] = sim::OrdonneePoint(etat_, j);
    c.temoin->Suit(static_cast<float>(etat_.AbscisseCapteur[n] - DemiLargeurTemoin),
                   static_cast<float>(etat_.OrdonneeCapteur[n] - DemiHauteurTemoin));
}

} // namespace view
