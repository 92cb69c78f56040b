// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/SurfaceDessin.h"

#include <QPointer>
#include <QString>

namespace fenetre {

// Slow motion: the simulation clock at 1/1, 1/2, 1/4 or 1/10 of the wall clock.
inline constexpr int DiviseursRalenti[] = {1, 2, 4, 10};

// "× 1/4" in the top right corner of the string view while the simulation runs slower than
// the wall clock: drawn over the surface, never into its picture.
class IndicateurRalenti : public kit::Surcouche {
public:
    explicit IndicateurRalenti(kit::SurfaceDessin& surface);
    ~IndicateurRalenti() override;
    IndicateurRalenti(const IndicateurRalenti&) = delete;
    IndicateurRalenti& operator=(const IndicateurRalenti&) = delete;

    void Montre(int diviseur); // 1: nothing shown
    QString Texte() const;     // empty at 1
    QRect Zone() const override;
    void Peint(QPainter& p) const override;

private:
    kit::SurfaceDessin& surface_;
    QPointer<kit::SurfaceDessin> vivante_; // the surface may go first, with the window
    int diviseur_ = 1;
};

} // namespace fenetre
