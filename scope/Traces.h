// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Palette.h"
#include "scope/EcranOscillo.h"
#include "sim/Etat.h"
#include "sim/Releve.h"
#include "view/Capteurs.h"

#include <array>
#include <optional>
#include <vector>

namespace scope {

// A sweep's traces kept on the screen, faded, under every sweep after it, with what they
// were made with: the comparison a teacher makes across a change of setting.
struct TracesGardees {
    std::vector<sim::Echantillon> echantillons;
    double debutS = 0;                               // where on the sweep the first sample stands
    sim::EtatSimulation etat;                        // the settings then
    std::array<std::optional<double>, 3> capteursCm; // by sensor number; nothing: off
};

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
    // Where each sensor stands (cm), by number; nothing for one switched off.
    std::array<std::optional<double>, 3> PositionsCapteurs() const;

    // The traces on screen become the kept ones, in place of any kept before; the live ones
    // go on from there. Nothing happens on a screen without samples.
    void Garde();
    // The screen as it would be had nothing been kept: the live traces of this sweep stay.
    void EffaceGardees();
    const std::optional<TracesGardees>& Gardees() const { return gardees_; }

private:
    void DessineGardees();
    void DessineReleve(const std::vector<sim::Echantillon>& releve, double debutS,
                       const kit::Rgb (&couleurs)[2]);
    double DebutReleve() const;

    EcranOscillo& ecran_;
    sim::EtatSimulation& etat_;
    const view::Capteurs& capteurs_;
    std::vector<sim::Echantillon> releve_;
    int32_t origineMs_ = 0;
    std::optional<TracesGardees> gardees_;
};

} // namespace scope
