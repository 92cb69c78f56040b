// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/Traces.h"

#include "kit/Palette.h"

#include "sim/Excitation.h"
#include "sim/Horloge.h"

#include <cmath>

namespace scope {

Traces::Traces(EcranOscillo& ecran, sim::EtatSimulation& etat, const view::Capteurs& capteurs)
    : ecran_(ecran), etat_(etat), capteurs_(capteurs) {
    ecran_.DessineSurQuadrillage([this] { DessineGardees(); });
}

void Traces::TraceCapteur(int16_t n) {
    const double instantBalayage = sim::PositionBalayage(etat_.TempsMs, etat_.DureeBalayage);
    const QColor couleurTrace = kit::Couleur(n == 1 ? kit::TraceCapteur1 : kit::TraceCapteur2);
    const int k = sim::IndicePoint(capteurs_.Barre(n).Gauche());
    const double ordonneeTrace = sim::OrdonneePoint(etat_, k);

    kit::SurfaceDessin& ecran = ecran_.Surface();
    // The comparison is made in single precision, as the sweep position is stored; an
    // equal value is not a new sweep.
    if (const float instant = static_cast<float>(instantBalayage); instant < etat_.TempsBalayage) {
        ecran_.Vide();
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

std::array<std::optional<double>, 3> Traces::PositionsCapteurs() const {
    std::array<std::optional<double>, 3> positions;
    for (int n : {1, 2})
        if (capteurs_.EstActif(n))
            positions[static_cast<size_t>(n)] =
                sim::IndicePoint(capteurs_.Barre(n).Gauche()) / double{sim::PointsParCm};
    return positions;
}

double Traces::DebutReleve() const {
    if (releve_.empty())
        return 0;
    const auto ms = static_cast<int32_t>(std::llround(releve_.front().tempsS * 1000));
    return sim::PositionBalayage(origineMs_ + ms, etat_.DureeBalayage);
}

// The samples restart with the screen (the kept traces now hold those before); the live
// traces carry on from their last point, as at any clearing.
void Traces::Garde() {
    if (releve_.empty())
        return;
    gardees_ = TracesGardees{releve_, DebutReleve(), etat_, PositionsCapteurs()};
    gardees_->etat.Main = nullptr;
    ecran_.Vide();
}

void Traces::EffaceGardees() {
    if (!gardees_)
        return;
    gardees_.reset();
    // Clearing the screen starts the samples afresh; these are still the screen's.
    std::vector<sim::Echantillon> releve = std::move(releve_);
    const int32_t origine = origineMs_;
    ecran_.Vide();
    releve_ = std::move(releve);
    origineMs_ = origine;
    DessineReleve(releve_, DebutReleve(), {kit::TraceCapteur1, kit::TraceCapteur2});
}

void Traces::DessineGardees() {
    if (gardees_)
        DessineReleve(gardees_->echantillons, gardees_->debutS,
                      {kit::TraceGardee1, kit::TraceGardee2});
}

// Each sensor's samples joined as the ticks traced them (a segment of sensor 1, then one of
// sensor 2, so that where they cross the same one is on top), from where the first stands on
// the sweep, at the present time base: kept at another, they stretch or shrink with it.
void Traces::DessineReleve(const std::vector<sim::Echantillon>& releve, double debutS,
                           const kit::Rgb (&couleurs)[2]) {
    if (releve.empty())
        return;
    const auto x = [&, premier = releve.front().tempsS](const sim::Echantillon& e) {
        return static_cast<float>((debutS + e.tempsS - premier) * 10 / etat_.DureeBalayage);
    };
    kit::SurfaceDessin& ecran = ecran_.Surface();
    ecran.LargeurTrait(2);
    for (size_t i = 0; i < releve.size(); ++i) {
        for (int n : {1, 2}) {
            const auto valeur = [n](const sim::Echantillon& e) {
                return n == 1 ? e.capteur1 : e.capteur2;
            };
            const std::optional<double> y = valeur(releve[i]);
            if (!y)
                continue;
            // A first point alone is a dot, as a trace starts.
            const sim::Echantillon& a = i > 0 && valeur(releve[i - 1]) ? releve[i - 1] : releve[i];
            ecran.Ligne(x(a), static_cast<float>(sim::OrdonneeRepos - *valeur(a)), x(releve[i]),
                        static_cast<float>(sim::OrdonneeRepos - *y), kit::Couleur(couleurs[n - 1]));
        }
    }
}

} // namespace scope
