// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

namespace sim {

// The vibrator moved by hand: its displacement noted at each tick and kept on a regular grid
// of simulation time, read back at any earlier time by linear interpolation, so that the
// string carries the motion away as it carries a pulse. It keeps what the slowest wave the
// program allows needs, with all its reflections, and no more: a fixed ring, allocated at
// the first note.
class HistoriqueVibreur {
public:
    static constexpr double Pas = 0.005;            // s between two kept samples
    static constexpr double CeleriteMinimale = 0.1; // cm/s, the wave-speed bar's lowest
    // The longest path a wave is followed on (16 round trips of 14 cm, then the view).
    static constexpr double CheminMaximal = 2 * 16 * 14.0 + 16;
    static constexpr size_t Capacite =
        static_cast<size_t>(CheminMaximal / CeleriteMinimale / Pas) + 2;

    // The block at that time (s). Times go forward; a time before the last note is the
    // clock moved back as a whole (its 32-bit rebasing), and the motion shifts with it.
    void Note(double tempsS, double elongationCm);
    // 0 (rest) before the first note and beyond what is kept; the last note after it.
    double Elongation(double tempsS) const;
    void Efface();
    bool Vide() const { return valeurs_.empty(); }
    size_t OctetsGardes() const { return valeurs_.capacity() * sizeof(float); }

private:
    double ALaCase(long long n) const;

    std::vector<float> valeurs_; // the ring: case n at origine_ + n * Pas
    double origine_ = 0;
    long long premiere_ = 0, derniere_ = 0; // the cases kept
    double tempsTete_ = 0, valeurTete_ = 0; // the last note, at or after the last case
};

} // namespace sim
