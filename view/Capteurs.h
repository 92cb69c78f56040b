// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controles.h"
#include "sim/Etat.h"

#include <QWidget>

#include <array>
#include <functional>

namespace view {

struct ControlesCapteur {
    kit::Marqueur* barre = nullptr;  // Capteur1 / Capteur2: the sensor's place and state
    kit::Marqueur* temoin = nullptr; // TemoinCapteur(n): the square riding on the string
    QWidget* active = nullptr;       // the plain check picture that covers the ticked one
};

// The two sensors. A sensor is active exactly while its bar is shown, and sits where its
// bar's left edge is; nothing else records it.
class Capteurs {
public:
    // Indexed by sensor number; entry 0 is unused.
    Capteurs(sim::EtatSimulation& etat, std::array<ControlesCapteur, 3> controles,
             std::function<void()> afficheCorde);

    void Active(int n);
    void Desactive(int n);
    void Bascule(int n);
    void SurvolAnimation(QWidget* controle, float x, float y);
    // With an end, no sensor stands beyond it: those that did are brought back to it.
    void RespecteExtremite();
    void AfficheCapteur(int16_t n);

    bool EstActif(int n) const { return !controles_[n].barre->isHidden(); }
    const kit::Marqueur& Barre(int n) const { return *controles_[n].barre; }

private:
    float AbscisseMax() const;

    sim::EtatSimulation& etat_;
    std::array<ControlesCapteur, 3> controles_;
    std::function<void()> afficheCorde_;
};

} // namespace view
