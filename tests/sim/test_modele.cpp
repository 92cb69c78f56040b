#include "sim/Excitation.h"
#include "sim/ModeleOnde.h"
#include "sim/Parametres.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

sim::EtatSimulation EtatCharge(sim::PositionsBarres barres = {}) {
    sim::EtatSimulation etat;
    etat.BaseDeTemps = 500;
    sim::LitParametres(etat, barres);
    return etat;
}

TEST(ModelePeriodique, VibratorFollowsMinusCosineOverOnePeriod) {
    struct Cas {
        int32_t tempsMs;
        double attendu; // in units of AmplitudeCm
    };
    // f = 1 Hz, symmetric: -cos(2 pi t), with the literal's error below 1e-6.
    for (const Cas& c : {Cas{0, -1}, Cas{250, 0}, Cas{500, 1}, Cas{750, 0}, Cas{1000, -1}}) {
        auto etat = EtatCharge();
        etat.TempsMs = c.tempsMs;
        sim::CalculePeriodique(etat);
        EXPECT_NEAR(etat.Elongation[0], c.attendu * 0.5, 1e-6) << c.tempsMs;
    }
}

TEST(ModelePeriodique, NegativeRetardedTimeUsesTheFloor) {
    // At t = 0 point 12 (1 cm, c = 5 cm/s) shows the vibrator at -0.2 s.
    auto etat = EtatCharge();
    sim::CalculePeriodique(etat);
    EXPECT_NEAR(etat.Elongation[12], -0.5 * std::cos(2 * M_PI * -0.2), 1e-6);
}

TEST(ModelePeriodique, UnequalRiseIsContinuousAtTopAndBottom) {
    sim::PositionsBarres barres;
    barres.Deformation = 90; // rises during 10 % of the period
    auto etat = EtatCharge(barres);
    double precedent = NAN;
    double plusGrandSaut = 0;
    // 1 ms steps over two periods: no jump larger than the steepest slope allows.
    for (int32_t ms = 0; ms <= 2000; ++ms) {
        etat.TempsMs = ms;
        sim::CalculePeriodique(etat);
        if (!std::isnan(precedent))
            plusGrandSaut = std::max(plusGrandSaut, std::abs(etat.Elongation[0] - precedent));
        precedent = etat.Elongation[0];
    }
    // Peak slope of the 0.1 s rise is A*pi/0.1 = 15.7 cm/s, i.e. 0.0157 cm per ms.
    EXPECT_LT(plusGrandSaut, 0.016);
    etat.TempsMs = 100; // top of the first period
    sim::CalculePeriodique(etat);
    EXPECT_NEAR(etat.Elongation[0], 0.5, 1e-6);
    etat.TempsMs = 1000; // bottom
    sim::CalculePeriodique(etat);
    EXPECT_NEAR(etat.Elongation[0], -0.5, 1e-6);
}

TEST(ModelePeriodique, ExactTopTakesTheRisingBranch) {
    // f = 2.5 Hz, deformation 0.5: tau = 0.2 s is the top of the first period, and the
    // comparison tau <= ts holds with equality there.
    sim::PositionsBarres barres;
    barres.freq = 25;
    auto etat = EtatCharge(barres);
    etat.TempsMs = 200;
    sim::CalculePeriodique(etat);
    EXPECT_DOUBLE_EQ(etat.Elongation[0], 0.5);
}

TEST(ModelePeriodique, DampingScalesTheFarEnd) {
    struct Cas {
        int amortissement;
        double rapport;
    };
    for (const Cas& c :
         {Cas{10, std::exp(-184.0 / 120)}, Cas{0, 1.0}, Cas{5, std::exp(-92.0 / 120)}}) {
        sim::PositionsBarres barres;
        barres.Amortissement = c.amortissement;
        barres.CeleriteOnde = 200; // nearly in phase along the string
        auto etat = EtatCharge(barres);
        double maxLoin = 0;
        double maxVibreur = 0;
        for (int32_t ms = 0; ms < 1000; ms += 5) {
            etat.TempsMs = ms;
            sim::CalculePeriodique(etat);
            maxLoin = std::max(maxLoin, std::abs(etat.Elongation[184]));
            maxVibreur = std::max(maxVibreur, std::abs(etat.Elongation[0]));
        }
        EXPECT_NEAR(maxLoin / maxVibreur, c.rapport, 1e-3) << c.amortissement;
    }
    EXPECT_NEAR(std::exp(-184.0 / 120), 0.216, 1e-3);
}

TEST(ModelePeriodique, PreviousValuesAreKeptAndTailNeverWritten) {
    auto etat = EtatCharge();
    etat.TempsMs = 130;
    sim::CalculePeriodique(etat);
    const auto avant = etat.Elongation;
    etat.TempsMs = 140;
    sim::CalculePeriodique(etat);
    for (int i = 0; i <= sim::DernierPointCalcule; ++i)
        EXPECT_EQ(etat.ElongationPrecedente[i], avant[i]) << i;
    for (int i = sim::DernierPointCalcule + 1; i < sim::NombrePoints; ++i) {
        EXPECT_EQ(etat.Elongation[i], 0);
        EXPECT_EQ(etat.ElongationPrecedente[i], 0);
    }
}

TEST(SecanteHyperbolique, ValuesAndLimits) {
    struct Cas {
        double x;
        double attendu;
        double tolerance;
    };
    for (const Cas& c :
         {Cas{0, 1, 0}, Cas{50, 0, 0}, Cas{1e9, 0, 0}, Cas{49.9, 2 * std::exp(-49.9), 1e-35},
          Cas{-49.9, 2 * std::exp(-49.9), 1e-35}, Cas{1.317, 0.5, 1e-3},
          Cas{-710, 2 * std::exp(-710.0), 1e-310}, Cas{-1e6, 0, 0},
          Cas{-std::numeric_limits<double>::infinity(), 0, 0}}) {
        const double s = sim::SecanteHyperbolique(c.x);
        EXPECT_TRUE(std::isfinite(s)) << c.x;
        EXPECT_NEAR(s, c.attendu, c.tolerance) << c.x;
    }
    EXPECT_NEAR(sim::SecanteHyperbolique(49.9), 4.3e-22, 0.05e-22);
    EXPECT_GT(sim::SecanteHyperbolique(49.9), 0);
}

TEST(ModeleSolitaire, NothingComputedBeforeTheFirstPulse) {
    auto etat = EtatCharge();
    etat.TempsMs = 123456;
    sim::AplatitCorde(etat);
    sim::CalculeModele(etat, false);
    for (double e : etat.Elongation)
        EXPECT_EQ(e, 0);
}

TEST(ModeleSolitaire, PeakLeavesAtTheStartTimeAndTravelsAtTheWaveSpeed) {
    struct Cas {
        int16_t forme;
        double aLancement; // fraction of the peak at the click, 0.25 s before
    };
    for (const Cas& c : {Cas{1, 0.047}, Cas{2, 0.163}, Cas{3, 0.5295}}) {
        auto etat = EtatCharge();
        etat.FormeSoliton = c.forme;
        etat.DebutSoliton = 10.25;
        etat.TempsMs = 10000;
        sim::CalculeSolitaire(etat);
        EXPECT_NEAR(etat.Elongation[0] / 1.5, c.aLancement, 2e-3) << c.forme;
        etat.TempsMs = 10250;
        sim::CalculeSolitaire(etat);
        EXPECT_DOUBLE_EQ(etat.Elongation[0], 1.5);
        etat.TempsMs = 12250; // 2 s later the peak is 10 cm away: point 120
        sim::CalculeSolitaire(etat);
        EXPECT_DOUBLE_EQ(etat.Elongation[120], 1.5);
        EXPECT_EQ(etat.ElongationPrecedente[0], 0) << "solitary mode keeps no previous values";
    }
}

TEST(Modele, EveryBarCombinationStaysFiniteAndWithinThreeCentimetres) {
    const int32_t instants[] = {0, 1, 499, 86'399'999, 1'999'999'999, -5000};
    const double delais[] = {-1000, -0.25, 0, 0.25, 200, 1e6};
    long verifications = 0;
    for (int freq : {1, 7, 40})
        for (int celerite : {1, 3, 50, 200})
            for (int deformation : {10, 37, 50, 90})
                for (int amortissement : {0, 10})
                    for (int amplitude : {0, 30})
                        for (int32_t ms : instants) {
                            sim::PositionsBarres barres{freq,          celerite,  deformation,
                                                        amortissement, amplitude, amplitude};
                            auto etat = EtatCharge(barres);
                            etat.TempsMs = ms;
                            sim::CalculeModele(etat, true);
                            for (double e : etat.Elongation) {
                                ASSERT_TRUE(std::isfinite(e));
                                ASSERT_LE(std::abs(e), 3.0);
                            }
                            for (int16_t forme : {1, 2, 3})
                                for (double delai : delais) {
                                    etat.FormeSoliton = forme;
                                    etat.DebutSoliton = ms / 1000.0 + delai;
                                    sim::CalculeModele(etat, false);
                                    for (double e : etat.Elongation) {
                                        ASSERT_TRUE(std::isfinite(e));
                                        ASSERT_LE(std::abs(e), 3.0);
                                        ++verifications;
                                    }
                                }
                        }
    EXPECT_GT(verifications, 1'000'000);
}

} // namespace
