// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/SurfaceDessin.h"
#include "sim/Etat.h"

#include <QWidget>

#include <functional>

namespace scope {

// Milliseconds per division of each member of the time-base option array; the members are
// not in screen order. Returns 0 for an index outside the array.
double BaseDeTempsDuMembre(int index);

// The oscilloscope screen, its graticule, its time base and its cover.
class EcranOscillo {
public:
    EcranOscillo(kit::SurfaceDessin& oscillo, QWidget& cache, sim::EtatSimulation& etat,
                 std::function<void()> litParametres, std::function<void()> desactiveCapteurs);

    void QuadrilleOscillo();
    // Cleared to its graticule, and what is drawn on it (the kept traces) drawn again.
    void Vide();
    void DessineSurQuadrillage(std::function<void()> dessin) {
        surQuadrillage_ = std::move(dessin);
    }
    void ChoisitBase(int index);
    void Revele();
    void Couvre();

    kit::SurfaceDessin& Surface() { return oscillo_; }

private:
    kit::SurfaceDessin& oscillo_;
    QWidget& cache_;
    sim::EtatSimulation& etat_;
    std::function<void()> litParametres_;
    std::function<void()> desactiveCapteurs_;
    std::function<void()> surQuadrillage_;
};

} // namespace scope
