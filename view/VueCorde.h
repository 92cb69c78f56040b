// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Palette.h"
#include "kit/SurfaceDessin.h"
#include "sim/Etat.h"
#include "view/MarqueExtremite.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QRect>

#include <array>
#include <vector>

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

    // The string at a moment, kept to compare with what follows: drawn behind the live one
    // in a light colour of its own, with its simulation time.
    struct AspectFige {
        double secondes;
        std::vector<double> elongations; // of the points drawn, from the vibrator's
        std::vector<QLineF> segments;    // as drawn
        kit::Rgb couleur;
    };
    static constexpr size_t AspectsMax = std::size(kit::AspectsFiges); // a fourth: the oldest
    void Fige();
    void EffaceAspects();
    const std::vector<AspectFige>& Aspects() const { return aspects_; }

private:
    int CalculeSegments();
    void DessineCorde(bool enUnePasse);
    void DessineAspects();
    void DecritAspects();

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
    std::vector<AspectFige> aspects_;
    size_t prochainAspect_ = 0; // the colour, and the place, the next one takes
};

} // namespace view
