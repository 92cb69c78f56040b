// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Parametres.h"

#include <gtest/gtest.h>

namespace {

TEST(LitParametres, LaidOutBarsGiveTheLoadValues) {
    sim::EtatSimulation etat;
    etat.BaseDeTemps = 500;
    sim::LitParametres(etat, sim::PositionsBarres{});
    EXPECT_EQ(etat.Frequence, 1.0);
    EXPECT_EQ(etat.Celerite, 5.0);
    EXPECT_EQ(etat.CoefDeformation, 0.5f);
    EXPECT_EQ(etat.CoefAmortissement, 0.0f);
    EXPECT_EQ(etat.AmplitudeCm, 0.5f);
    EXPECT_EQ(etat.AmplitudeSolitonCm, 1.5f);
    EXPECT_EQ(etat.DureeBalayage, 5.0);
    EXPECT_EQ(etat.TempsMs, 0);
    EXPECT_EQ(etat.FormeSoliton, 0);
}

TEST(LitParametres, SinglesTakeTheDoubleQuotientRoundedOnce) {
    struct Cas {
        int barre;
        float amplitude;
        float deformation;
    };
    // 1 - 0.9 in double is 0.09999999999999998, whose single rounding is 0.1f.
    for (const Cas& c : {Cas{7, 0.7f, 0.93f}, Cas{10, 1.0f, 0.9f}, Cas{30, 3.0f, 0.7f}}) {
        EXPECT_EQ(sim::AmplitudeDepuisBarre(c.barre), c.amplitude);
        EXPECT_EQ(sim::CoefDeformationDepuisBarre(c.barre), c.deformation);
    }
    EXPECT_EQ(sim::CoefDeformationDepuisBarre(90), 0.1f);
    EXPECT_EQ(sim::CoefDeformationDepuisBarre(10), 0.9f);
    EXPECT_EQ(sim::CoefAmortissementDepuisBarre(10), 1.0f);
}

TEST(LitParametres, SweepLengthFollowsTheCurrentTimeBase) {
    for (double base : {100.0, 200.0, 500.0, 1000.0, 1500.0, 2000.0}) {
        sim::EtatSimulation etat;
        etat.BaseDeTemps = base;
        sim::LitParametres(etat, sim::PositionsBarres{});
        EXPECT_DOUBLE_EQ(etat.DureeBalayage, base / 100);
    }
}

} // namespace
