// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Excitation.h"
#include "sim/Horloge.h"
#include "sim/ModeleOnde.h"
#include "sim/Parametres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(ArrondiPair, HalvesGoToEvenAndTheRangeSaturates) {
    struct Cas {
        double valeur;
        int32_t attendu;
    };
    for (const Cas& c : {Cas{39.5, 40}, Cas{40.5, 40}, Cas{43.5, 44}, Cas{-0.5, 0}, Cas{-1.5, -2},
                         Cas{2.4999, 2}, Cas{1e12, std::numeric_limits<int32_t>::max()},
                         Cas{-1e12, std::numeric_limits<int32_t>::min()}, Cas{std::nan(""), 0}})
        EXPECT_EQ(sim::ArrondiPair(c.valeur), c.attendu) << c.valeur;
}

TEST(IndicePoint, SensorPositionsBecomePointIndices) {
    struct Cas {
        double abscisse;
        int attendu;
    };
    for (const Cas& c : {Cas{3.375, 40}, Cas{3.625, 44}, Cas{0, 0}, Cas{3.3214 + 0.105, 41},
                         Cas{12.423, 149}, Cas{-3, 0}, Cas{500, 200}})
        EXPECT_EQ(sim::IndicePoint(c.abscisse), c.attendu) << c.abscisse;
}

TEST(PositionBalayage, FractionOfTheSweep) {
    struct Cas {
        int32_t ms;
        double duree;
        double attendu;
    };
    for (const Cas& c : {Cas{0, 5, 0}, Cas{4999, 5, 4.999}, Cas{5000, 5, 0}, Cas{12345, 1, 0.345},
                         Cas{-1, 5, 4.999}, Cas{2'000'000'000, 15, 5}})
        EXPECT_NEAR(sim::PositionBalayage(c.ms, c.duree), c.attendu, 1e-9) << c.ms;
}

struct HorlogeTest : ::testing::Test {
    sim::EtatSimulation etat;
    void SetUp() override {
        etat.BaseDeTemps = 500;
        sim::LitParametres(etat, sim::PositionsBarres{});
    }
};

TEST_F(HorlogeTest, RunningClockFollowsTheWallClockFromOrigin) {
    sim::PasHorloge(etat, 100.0125);
    EXPECT_EQ(etat.TempsMs, 100012); // 100012.5 rounds to even
    EXPECT_EQ(etat.TempsBalayage, 0.0f) << "describes the previous value";
    sim::PasHorloge(etat, 100.0126);
    EXPECT_EQ(etat.TempsMs, 100013);
    EXPECT_FLOAT_EQ(etat.TempsBalayage, 0.012f);
}

TEST_F(HorlogeTest, PauseAndPlayResumeWithoutAJump) {
    sim::PasHorloge(etat, 50.0);
    sim::FigeTemps(etat);
    // Paused for two minutes, then play.
    sim::RepartDe(etat, 170.0);
    sim::PasHorloge(etat, 170.02);
    EXPECT_EQ(etat.TempsMs, 50020);
}

TEST_F(HorlogeTest, ThreeStepsAddExactly150) {
    sim::PasHorloge(etat, 7.777);
    sim::FigeTemps(etat);
    for (int pas = 0; pas < 3; ++pas)
        sim::AvanceUnPas(etat);
    EXPECT_EQ(etat.TempsMs, 7777 + 150);
    EXPECT_DOUBLE_EQ(etat.Temps, 7.927);
    EXPECT_FLOAT_EQ(etat.TempsBalayage, static_cast<float>(sim::PositionBalayage(7877, 5)));
    sim::RepartDe(etat, 1000.0);
    sim::PasHorloge(etat, 1000.0);
    EXPECT_EQ(etat.TempsMs, 7927);
}

TEST_F(HorlogeTest, ABackwardClockNeverTakesTheSimulationBack) {
    sim::PasHorloge(etat, 86399.99);
    const int32_t avant = etat.TempsMs;
    sim::PasHorloge(etat, 3.0); // the source was set back
    EXPECT_EQ(etat.TempsMs, avant);
    sim::PasHorloge(etat, 3.5);
    EXPECT_EQ(etat.TempsMs, avant + 500) << "then it advances with the source";
}

TEST_F(HorlogeTest, TheClockIsRebasedBeforeTheInt32RangeEnds) {
    // 30 days of running: the clock moves back by whole 20-day spans and every periodic
    // phase, sweep position and pulse offset stays what it was.
    etat.FormeSoliton = 2;
    const double horloge = 30 * 86400.0 + 0.1234;
    sim::EtatSimulation reference = etat;
    sim::PasHorloge(etat, horloge);
    reference.TempsMs = 123; // the same phase, whole days earlier
    sim::CalculePeriodique(reference);
    sim::CalculePeriodique(etat);
    for (int i = 0; i <= sim::DernierPointCalcule; ++i)
        ASSERT_NEAR(etat.Elongation[i], reference.Elongation[i], 1e-9) << i;
    EXPECT_LT(etat.TempsMs, sim::SeuilRecalageMs);
    EXPECT_EQ(etat.TempsMs, 10 * 86400000 + 123);
    EXPECT_DOUBLE_EQ(etat.OrigineTemps, 20 * 86400.0);
    EXPECT_NEAR(sim::PositionBalayage(etat.TempsMs, 5), 0.123, 1e-9);
    for (int pas = 0; pas < 2'000; ++pas)
        sim::AvanceUnPas(etat);
    EXPECT_GE(etat.TempsMs, 0);
    // Stepping across the threshold rebases too.
    etat.TempsMs = static_cast<int32_t>(sim::SeuilRecalageMs - 10);
    etat.DebutSoliton = etat.TempsMs / 1000.0 + 0.25;
    sim::AvanceUnPas(etat);
    EXPECT_EQ(etat.TempsMs, sim::SeuilRecalageMs + 40 - sim::PeriodeRecalageMs);
    EXPECT_NEAR(etat.DebutSoliton - etat.TempsMs / 1000.0, 0.25 - 0.05, 1e-6);
}

TEST_F(HorlogeTest, TheClockKeepsRunningAcrossTheRebase) {
    // Twenty-three days into a lesson: ticks of 10 ms carry the clock over its threshold,
    // and the wave, the sweep and a pulse in flight go on without a jump.
    etat.FormeSoliton = 1;
    double horloge = (sim::SeuilRecalageMs - 200) / 1000.0;
    sim::PasHorloge(etat, horloge);
    etat.DebutSoliton = etat.TempsMs / 1000.0 + 0.25;
    sim::EtatSimulation continu = etat; // the same lesson, never rebased, in doubles
    double secondesContinues = etat.TempsMs / 1000.0;
    for (int tick = 0; tick < 60; ++tick) {
        horloge += 0.010;
        secondesContinues += 0.010;
        const int32_t avant = etat.TempsMs;
        sim::PasHorloge(etat, horloge);
        const int64_t pas =
            (int64_t{etat.TempsMs} - avant + sim::PeriodeRecalageMs) % sim::PeriodeRecalageMs;
        ASSERT_EQ(pas, 10) << tick;
        EXPECT_NEAR(sim::PositionBalayage(etat.TempsMs, 5), std::fmod(secondesContinues, 5.0),
                    1e-6);
        EXPECT_NEAR(etat.TempsMs / 1000.0 - etat.DebutSoliton,
                    secondesContinues - continu.DebutSoliton, 1e-6);
    }
    EXPECT_LT(etat.TempsMs, sim::SeuilRecalageMs - sim::PeriodeRecalageMs + 500)
        << "the rebase did happen";
}

TEST_F(HorlogeTest, NonFiniteClockReadingsAreIgnored) {
    sim::PasHorloge(etat, 12.0);
    for (double mauvais : {std::nan(""), std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()}) {
        sim::PasHorloge(etat, mauvais);
        EXPECT_EQ(etat.TempsMs, 12000);
    }
}

TEST(HorlogeMonotone, TenMillisecondTicksAdvanceByTenEvenInTheEvening) {
    // At 23:50 a single-precision reading of the time of day has a resolution of 1/128 s;
    // this clock keeps the millisecond.
    double stable = 5000.0;
    auto horloge = sim::HorlogeMonotone([] { return 85800.0; }, [&] { return stable; });
    sim::EtatSimulation etat;
    etat.DureeBalayage = 5;
    sim::PasHorloge(etat, horloge());
    for (int tick = 0; tick < 500; ++tick) {
        const int32_t avant = etat.TempsMs;
        stable += 0.010;
        sim::PasHorloge(etat, horloge());
        ASSERT_EQ(etat.TempsMs - avant, 10) << tick;
    }
}

TEST(DebutImpulsion, PausedPulsesLeaveAQuarterSecondAfterTheFrozenTime) {
    sim::EtatSimulation etat;
    etat.TempsMs = 42000;
    etat.OrigineTemps = 100;
    EXPECT_DOUBLE_EQ(sim::DebutImpulsion(etat, 500.0, false), 42.25);
    EXPECT_DOUBLE_EQ(sim::DebutImpulsion(etat, 500.0, true), 400.25);
}

TEST(HorlogeMonotone, IgnoresMidnightAndSystemTimeChanges) {
    double heureSysteme = 86399.5; // half a second before midnight
    double stable = 1000.0;
    auto horloge = sim::HorlogeMonotone([&] { return heureSysteme; }, [&] { return stable; });
    EXPECT_DOUBLE_EQ(horloge(), 86399.5);
    heureSysteme = 0.5; // midnight passed, and then someone sets the time back an hour
    stable += 1.0;
    EXPECT_DOUBLE_EQ(horloge(), 86400.5);
    heureSysteme -= 3600;
    stable += 0.010;
    EXPECT_NEAR(horloge(), 86400.51, 1e-9);
}

} // namespace
