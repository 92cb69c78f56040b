// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/SurfaceDessin.h"
#include "sim/Etat.h"
#include "view/MarqueExtremite.h"

#include <QImage>
#include <QLineF>
#include <QRect>

#include <array>

namespace view {

// The string view: grid, string and vibrator block, one whole frame at a time.
class VueCorde {
public:
    VueCorde(kit::SurfaceDessin& animation, const sim::EtatSimulation& etat);

    void AfficheCorde();
    void QuadrilleAnimation();
    void AfficheVibreur(int16_t drapeau); // 0 erases at the previous place, else draws

    // The frame drawn call by call from a cleared surface, with nothing reused: what every
    // faster frame must equal, pixel for pixel.
    void AfficheCordeSansCache();

private:
    void DessineCorde(bool enUnePasse);

    kit::SurfaceDessin& animation_;
    const sim::EtatSimulation& etat_;
    MarqueExtremite marque_;
    // The cleared view with its grid, composed once: restoring it is one copy, where
    // clearing and drawing fifty lines every 10 ms is not.
    QImage fond_;
    // Device pixels drawn by the last frame, over a picture nobody has touched since: only
    // they need the grid back, and only they and the new ones need repainting.
    QRect zonePrecedente_;
    uint64_t generationPrecedente_ = 0;
    std::array<QLineF, sim::DernierPointCalcule> segments_;
};

} // namespace view
