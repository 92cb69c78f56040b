// SPDX-License-Identifier: GPL-3.0-or-later
#include "commun/AideQt.h"
#include "sim/ModeleOnde.h"

#include <gtest/gtest.h>

namespace {

bool UnSeulBoutonDeLecture(const aide::Banc& banc) {
    const bool pause = !banc("Command1")->isHidden();
    const bool lecture = !banc("Command2")->isHidden();
    return pause != lecture && pause == banc.fenetre->Timer1().isActive();
}

TEST(Horloge, PauseWaitPlayResumesWithoutAJump) {
    aide::Banc banc;
    banc.Tick();
    const int32_t arret = banc.Etat().TempsMs;
    EXPECT_EQ(arret, 36'000'010);
    banc.Clique("Command1");
    EXPECT_TRUE(UnSeulBoutonDeLecture(banc));
    EXPECT_FALSE(banc.fenetre->Timer1().isActive());
    EXPECT_DOUBLE_EQ(banc.Etat().Temps, arret / 1000.0);
    banc.horloge.secondes += 120; // two minutes of pause
    banc.Clique("Command2");
    EXPECT_TRUE(UnSeulBoutonDeLecture(banc));
    banc.Tick(0.02);
    EXPECT_EQ(banc.Etat().TempsMs, arret + 20);
}

TEST(Horloge, StepWhileRunningPausesThenAdvancesFiftyFromTheLastTick) {
    aide::Banc banc;
    banc.Tick();
    const int32_t dernier = banc.Etat().TempsMs;
    banc.horloge.secondes += 5; // the wall clock has moved on; a step does not follow it
    banc.Clique("Command3");
    EXPECT_TRUE(UnSeulBoutonDeLecture(banc));
    EXPECT_FALSE(banc.fenetre->Timer1().isActive());
    EXPECT_EQ(banc.Etat().TempsMs, dernier + 50);
    banc.Clique("Command3");
    banc.Clique("Command3");
    EXPECT_EQ(banc.Etat().TempsMs, dernier + 150);
    EXPECT_FLOAT_EQ(banc.Etat().TempsBalayage,
                    static_cast<float>(sim::PositionBalayage(dernier + 100, 5)));
    banc.Clique("Command2");
    banc.Tick(0.03);
    EXPECT_EQ(banc.Etat().TempsMs, dernier + 180);
}

TEST(Horloge, AStepRedrawsTheModelAtTheNewTime) {
    aide::Banc banc;
    banc.Clique("Command1");
    const double avant = banc.Etat().Elongation[0];
    banc.Clique("Command3");
    sim::EtatSimulation attendu = banc.Etat();
    sim::CalculePeriodique(attendu);
    EXPECT_NE(banc.Etat().Elongation[0], avant);
    EXPECT_EQ(banc.Etat().Elongation[0], attendu.Elongation[0]);
}

TEST(Horloge, TwoTicksInTheSameMillisecondChangeNothing) {
    aide::Banc banc;
    banc.Tick();
    const auto avant = banc.Etat();
    banc.Tick(0.0004);
    EXPECT_EQ(banc.Etat().TempsMs, avant.TempsMs);
    EXPECT_EQ(banc.Etat().Elongation, avant.Elongation);
}

TEST(Excitation, SolitaryTabFlattensAndStaysFlatUntilAPulse) {
    aide::Banc banc;
    banc.Tick();
    ASSERT_NE(banc.Etat().Elongation[0], 0);
    banc.Clique("Label17");
    EXPECT_TRUE(banc("OngletPeriodique")->isHidden());
    EXPECT_TRUE(banc("VibrationPeriodique")->isHidden());
    EXPECT_FALSE(banc("OngletSolitaire")->isHidden());
    EXPECT_FALSE(banc("VibrationSolitaire")->isHidden());
    for (int tick = 0; tick < 20; ++tick) {
        banc.Tick(0.5);
        for (double e : banc.Etat().Elongation)
            ASSERT_EQ(e, 0);
        for (double e : banc.Etat().ElongationPrecedente)
            ASSERT_EQ(e, 0);
    }
    banc.Clique("Label16");
    EXPECT_FALSE(banc("VibrationPeriodique")->isHidden());
    banc.Tick();
    EXPECT_NE(banc.Etat().Elongation[100], 0) << "the whole string moves at once";
}

TEST(Excitation, PulseButtonsChooseTheirShapeAndStartAQuarterSecondLater) {
    struct Cas {
        const char* bouton;
        int16_t forme;
    };
    for (const Cas& c : {Cas{"Command5", 1}, {"Command4", 2}, {"Command6", 3}}) {
        aide::Banc banc;
        banc.Clique("Label17");
        banc.Tick();
        banc.Clique(c.bouton);
        EXPECT_EQ(banc.Etat().FormeSoliton, c.forme);
        EXPECT_DOUBLE_EQ(banc.Etat().DebutSoliton, banc.horloge.secondes + 0.25);
        banc.Tick(0.25);
        EXPECT_NEAR(banc.Etat().Elongation[0], 1.5, 1e-9);
    }
}

TEST(Excitation, PulseLaunchedWhilePausedPeaksAfterFiveSteps) {
    aide::Banc banc;
    banc.Clique("Label17");
    banc.Tick();
    banc.Clique("Command1");
    banc.horloge.secondes += 120; // a long pause before the launch
    banc.Clique("Command5");
    for (int pas = 0; pas < 5; ++pas)
        banc.Clique("Command3");
    EXPECT_DOUBLE_EQ(banc.Etat().Elongation[0], 1.5);
}

TEST(Excitation, AnotherPulseReplacesTheOneInFlight) {
    aide::Banc banc;
    banc.Clique("Label17");
    banc.Clique("Command5");
    banc.Tick(1.0);
    banc.Clique("Command6");
    banc.Tick(0.25);
    EXPECT_EQ(banc.Etat().FormeSoliton, 3);
    EXPECT_NEAR(banc.Etat().Elongation[0], 1.5, 1e-9);
    // The narrow pulse would stand at 5 cm now at its full 1.5 cm; only the wide one's
    // leading edge is there.
    EXPECT_LT(banc.Etat().Elongation[60], 0.05);
}

} // namespace

namespace {

// A pulse reaches a sensor after the same simulation time at every speed, so the screen
// and the samples show it at the same place; in slow motion it takes that many times longer
// on the wall clock. The clock never jumps when the speed changes.
TEST(Ralenti, APulseReachesTheSensorLaterOnTheWallClockAndAtTheSamePlaceOnTheScreen) {
    struct Vu {
        double murale, simulation;
        int colonne;
    };
    std::vector<Vu> vus;
    for (int diviseur : {1, 4}) {
        aide::Banc banc;
        banc.Clique("Label21");
        banc.Clique("ActiveCapteur1"); // at 40/12 cm
        banc.Clique("Label17");        // the pulse panel
        for (int tick = 0; tick < 30; ++tick)
            banc.Tick();
        const int32_t avant = banc.Etat().TempsMs;
        QTest::keySequence(banc.fenetre.get(), QKeySequence(Qt::CTRL | (Qt::Key_0 + diviseur)));
        banc.Tick();
        EXPECT_NEAR(banc.Etat().TempsMs - avant, 10.0 / diviseur, 0.5) << "no jump";
        EXPECT_EQ(banc.fenetre->Ralenti().Texte(), diviseur == 1 ? "" : "× 1/4");
        banc.Choisit("Sens(1)"); // a clear: the samples and the sweep start here
        const double depart = banc.horloge.secondes;
        const double departSimulation = banc.Etat().TempsMs / 1000.0;
        banc.Clique("Command4");
        double plusHaut = 0, murale = 0, simulation = 0;
        for (int tick = 0; tick < 250 * diviseur; ++tick) {
            banc.Tick();
            const double y = *banc.fenetre->Traces().Releve().back().capteur1;
            if (y > plusHaut)
                plusHaut = y, murale = banc.horloge.secondes - depart,
                simulation = banc.Etat().TempsMs / 1000.0 - departSimulation;
        }
        // The highest point of the trace on the screen.
        const QImage ecran = banc.Surface("Oscillo").Image();
        int colonne = -1;
        for (int y = 0; y < ecran.height() && colonne < 0; ++y)
            for (int x = 0; x < ecran.width(); ++x)
                if (ecran.pixelColor(x, y) == aide::TraceBleue) {
                    colonne = x;
                    break;
                }
        vus.push_back({murale, simulation, colonne});
        // The overlay, over the surface and never in its picture, goes with the slow motion.
        EXPECT_EQ(banc.Surface("Animation").Image().pixelColor(750, 12), QColor(255, 255, 255));
        QTest::keySequence(banc.fenetre.get(), QKeySequence(Qt::CTRL | Qt::Key_1));
        EXPECT_EQ(banc.fenetre->Ralenti().Texte(), "");
        EXPECT_TRUE(aide::CommeRedessine(&banc.Surface("Animation")));
        EXPECT_NEAR(simulation, sim::DelaiImpulsion + 40 / 12.0 / 5, 0.011) << diviseur;
    }
    EXPECT_NEAR(vus[1].murale, 4 * vus[0].murale, 0.05);
    EXPECT_NEAR(vus[1].simulation, vus[0].simulation, 0.011);
    EXPECT_NEAR(vus[1].colonne, vus[0].colonne, 1) << "the axis is simulation time";
}

} // namespace
