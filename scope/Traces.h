// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scope/EcranOscillo.h"
#include "sim/Etat.h"
#include "sim/Releve.h"
#include "view/Capteurs.h"

#include <vector>

namespace scope {

// One segment per active sensor and tick, from the previous point to the current one. The
// screen is the only record of the picture; the values behind it are kept beside it (the
// samples), so that they leave the program as numbers.
class Traces {
public:
    Traces(EcranOscillo& ecran, sim::EtatSimulation& etat, const view::Capteurs& capteurs);

    void TraceCapteur(int16_t n);

    // The samples behind the traces, a row per tick since the screen was last cleared:
    // the model's values, not pixels read back, for a spreadsheet.
    void NoteEchantillon();
    void RepartDeZero(int32_t tempsMs);
    const std::vector<sim::Echantillon>& Releve() const { return releve_; }

private:
    EcranOscillo& ecran_;
    sim::EtatSimulation& etat_;
    const view::Capteurs& capteurs_;
    std::vector<sim::Echantillon> releve_;
    int32_t origineMs_ = 0;
};

} // namespace scope
