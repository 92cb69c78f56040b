// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Main.h"

#include <algorithm>
#include <cmath>

namespace sim {

void HistoriqueVibreur::Efface() {
    valeurs_.clear();
    premiere_ = derniere_ = 0;
}

double HistoriqueVibreur::ALaCase(long long n) const {
    return valeurs_[static_cast<size_t>(n % static_cast<long long>(Capacite))];
}

void HistoriqueVibreur::Note(double tempsS, double elongationCm) {
    if (valeurs_.empty()) {
        valeurs_.assign(Capacite, 0.0f);
        origine_ = tempsS;
        premiere_ = derniere_ = 0;
        valeurs_[0] = static_cast<float>(elongationCm);
        tempsTete_ = tempsS;
        valeurTete_ = elongationCm;
        return;
    }
    if (tempsS < tempsTete_) {
        origine_ -= tempsTete_ - tempsS;
        tempsTete_ = tempsS;
    }
    // The cases between the last note and this one lie on the straight line between them.
    const auto jusqua = static_cast<long long>(std::floor((tempsS - origine_) / Pas + 1e-9));
    const long long depuis = std::max(derniere_ + 1, jusqua - static_cast<long long>(Capacite) + 1);
    for (long long n = depuis; n <= jusqua; ++n) {
        const double instant = origine_ + static_cast<double>(n) * Pas;
        const double part =
            tempsS > tempsTete_ ? (instant - tempsTete_) / (tempsS - tempsTete_) : 1;
        valeurs_[static_cast<size_t>(n % static_cast<long long>(Capacite))] =
            static_cast<float>(valeurTete_ + (elongationCm - valeurTete_) * part);
    }
    derniere_ = std::max(derniere_, jusqua);
    premiere_ = std::max(premiere_, derniere_ - static_cast<long long>(Capacite) + 1);
    tempsTete_ = tempsS;
    valeurTete_ = elongationCm;
}

double HistoriqueVibreur::Elongation(double tempsS) const {
    if (valeurs_.empty())
        return 0;
    if (tempsS >= tempsTete_)
        return valeurTete_;
    const double position = (tempsS - origine_) / Pas;
    if (position < static_cast<double>(premiere_))
        return 0; // before the first note, or forgotten: the block at rest
    const auto n = static_cast<long long>(std::floor(position));
    const double part = position - static_cast<double>(n);
    if (n >= derniere_) { // between the last case and the last note
        const double instant = origine_ + static_cast<double>(derniere_) * Pas;
        const double debut = ALaCase(derniere_);
        return tempsTete_ > instant
                   ? debut + (valeurTete_ - debut) * (tempsS - instant) / (tempsTete_ - instant)
                   : valeurTete_;
    }
    return ALaCase(n) + (ALaCase(n + 1) - ALaCase(n)) * part;
}

} // namespace sim
