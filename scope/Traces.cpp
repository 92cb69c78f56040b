// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/Traces.h"

#include "kit/Palette.h"

#include "sim/Excitation.h"
#include "sim/Horloge.h"

namespace scope {

Traces::Traces(EcranOscillo& ecran, sim::EtatSimulation& etat, const view::Capteurs& capteurs)
    : ecran_(ecran), etat_(etat), capteurs_(capteurs) {}

void Traces::TraceCapteur(int16_t n) {
    const double instantBalayage = sim::PositionBalayage(etat_.TempsMs, etat_.DureeBalayage);
    const QColor couleurTrace = kit::Couleur(n == 1 ? kit::TraceCapteur1 : kit::TraceCapteur2);
    const int k = sim::IndicePoint(capteurs_.Barre(n).Gauche());
    const double ordonneeTrace = sim::OrdonneePoint(etat_, k);

    kit::SurfaceDessin& ecran = ecran_.Surface();
    // The comparison is made in single precision, as the sweep position is stored; an
    // equal value is not a new sweep.
    if (const float instant = static_cast<float>(instantBalayage); instant < etat_.TempsBalayage) {
        ecran.Efface();
        ecran_.QuadrilleOscillo();
        etat_.TempsBalayage = instant;
        etat_.DerniereValeurCapteur[n] = ordonneeTrace;
    }
    ecran.LargeurTrait(2);
    ecran.Ligne(static_cast<float>(double{etat_.TempsBalayage} * 10 / etat_.DureeBalayage),
                static_cast<float>(etat_.DerniereValeurCapteur[n]),
                static_cast<float>(instantBalayage * 10 / etat_.DureeBalayage),
                static_cast<float>(ordonneeTrace), couleurTrace);
    etat_.DerniereValeurCapteur[n] = ordonneeTrace;
}

} // namespace scope

namespace scope {

void Traces::RepartDeZero(int32_t tempsMs) {
    releve_.clear();
    origineMs_ = tempsMs;
}

void Traces::NoteEchantillon() {
    // A sweep holds at most 20 s of ticks; this bound only guards against a clock that
    // never lets the screen clear.
    constexpr size_t LignesMax = 1'000'000;
    if ((!capteurs_.EstActif(1) && !capteurs_.EstActif(2)) || releve_.size() >= LignesMax)
        return;
    sim::Echantillon e;
    e.tempsS = (int64_t{etat_.TempsMs} - origineMs_) / 1000.0;
    for (int n : {1, 2}) {
        if (!capteurs_.EstActif(n))
            continue;
        const int k = sim::IndicePoint(capteurs_.Barre(n).Gauche());
        (n == 1 ? e.capteur1 : e.capteur2) = sim::OrdonneeRepos - sim::OrdonneePoint(etat_, k);
    }
    releve_.push_back(e);
}

} // namespace scope
