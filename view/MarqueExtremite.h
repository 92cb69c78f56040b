// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/SurfaceDessin.h"
#include "sim/Etat.h"

namespace view {

// The end of the string, past its last point: a clamp for a fixed end, a ring sliding on a
// vertical rod for a free one, drawn over the view in its greys.
class MarqueExtremite : public kit::Surcouche {
public:
    explicit MarqueExtremite(kit::SurfaceDessin& animation);
    ~MarqueExtremite() override;
    MarqueExtremite(const MarqueExtremite&) = delete;
    MarqueExtremite& operator=(const MarqueExtremite&) = delete;

    // After each frame: the end chosen and where the string's last point stands.
    void Suit(const sim::EtatSimulation& etat);

    QRect Zone() const override;
    void Peint(QPainter& p) const override;

private:
    kit::SurfaceDessin& animation_;
    int16_t extremite_ = 0;
    double deplacement_ = 0; // cm, of the string's end
};

} // namespace view
