#pragma once

#include "scope/EcranOscillo.h"
#include "sim/Etat.h"
#include "view/Capteurs.h"

namespace scope {

// One segment per active sensor and tick, from the previous point to the current one; the
// screen is the only record of the trace.
class Traces {
public:
    Traces(EcranOscillo& ecran, sim::EtatSimulation& etat, const view::Capteurs& capteurs);

    void TraceCapteur(int16_t n);

private:
    EcranOscillo& ecran_;
    sim::EtatSimulation& etat_;
    const view::Capteurs& capteurs_;
};

} // namespace scope
