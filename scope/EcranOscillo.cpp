// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/EcranOscillo.h"

#include "sim/Horloge.h"
#include "view/Quadrillage.h"

#include <array>

namespace scope {

double BaseDeTempsDuMembre(int index) {
    constexpr std::array<double, 6> Bases{200, 500, 1000, 1500, 2000, 100};
    if (index < 0 || index >= static_cast<int>(Bases.size()))
        return 0;
    return Bases[static_cast<size_t>(index)];
}

EcranOscillo::EcranOscillo(kit::SurfaceDessin& oscillo, QWidget& cache, sim::EtatSimulation& etat,
                           std::function<void()> litParametres,
                           std::function<void()> desactiveCapteurs)
    : oscillo_(oscillo), cache_(cache), etat_(etat), litParametres_(std::move(litParametres)),
      desactiveCapteurs_(std::move(desactiveCapteurs)) {}

void EcranOscillo::QuadrilleOscillo() {
    view::DessineQuadrillage(oscillo_, 10, 10);
    if (surQuadrillage_)
        surQuadrillage_();
}

void EcranOscillo::Vide() {
    oscillo_.Efface();
    QuadrilleOscillo();
}

void EcranOscillo::ChoisitBase(int index) {
    if (const double base = BaseDeTempsDuMembre(index); base > 0)
        etat_.BaseDeTemps = base;
    litParametres_();
    // The sweep position, re-expressed in a sweep of the new length: the value the next
    // clock step gives it anyway, so the trace goes on exactly as before, but the state
    // never holds a position beyond the end of its sweep in between.
    etat_.TempsBalayage =
        static_cast<float>(sim::PositionBalayage(etat_.TempsMs, etat_.DureeBalayage));
    Vide();
}

void EcranOscillo::Revele() {
    cache_.hide();
    Vide();
}

void EcranOscillo::Couvre() {
    cache_.show();
    desactiveCapteurs_();
}

} // namespace scope
