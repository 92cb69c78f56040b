// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Excitation.h"

#include "sim/Arrondi.h"

#include <algorithm>

namespace sim {

void AplatitCorde(EtatSimulation& etat) {
    for (int i = 0; i <= DernierPointCalcule; ++i) {
        etat.ElongationPrecedente[i] = 0;
        etat.Elongation[i] = 0;
    }
}

int32_t PointLePlusProche(double abscisseCm) {
    return ArrondiPair(abscisseCm * PointsParCm);
}

int IndicePoint(double abscisseCm) {
    // A sensor can never sit off the string, but a bad index would read outside the
    // arrays, so the bound is enforced here rather than trusted.
    return std::clamp<int32_t>(PointLePlusProche(abscisseCm), 0, NombrePoints - 1);
}

double OrdonneePoint(const EtatSimulation& etat, int indice) {
    return OrdonneeRepos - etat.Elongation[static_cast<size_t>(indice)];
}

} // namespace sim
