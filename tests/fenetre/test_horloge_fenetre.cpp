// SPDX-License-Identifier: GPL-3.0-or-later
#include "commun/AideQt.h"
#include "sim/Excitation.h"
#include "sim/ModeleOnde.h"

#include <QAccessible>
#include <QScrollBar>

#include <cmath>

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

namespace {

// The peak of the string (cm from the vibrator) among the points up to the end.
double SommetDeLaCorde(const sim::EtatSimulation& etat, double signe = 1) {
    int meilleur = 1;
    for (int i = 1; i <= sim::PointExtremite; ++i)
        if (signe * etat.Elongation[i] > signe * etat.Elongation[meilleur])
            meilleur = i;
    return meilleur / 12.0;
}

// A bump made by hand leaves at the wave speed, damped along the way, comes back upside
// down from a fixed end, and a sensor traces it with the delay of its distance. A press on
// the block is the hand's, not a measurement's.
TEST(Main, ABumpMadeByHandTravelsDampedAndComesBackInvertedFromAFixedEnd) {
    aide::Banc banc;
    banc.Clique("Label21");
    banc.Clique("ActiveCapteur1"); // at 40/12 cm
    banc.Clique("Label17");
    banc.operator()<QScrollBar>("Amortissement")->setValue(1);
    banc.Choisit("Extremite(1)");
    auto& vue = banc.Surface("Animation");
    fenetre::PoigneeVibreur& poignee = banc.fenetre->Poignee();
    ASSERT_TRUE(poignee.isVisible());
    const QPoint bloc = poignee.mapFrom(&vue, vue.VersWidget(-0.5, sim::OrdonneeRepos).toPoint());
    QTest::mousePress(&poignee, Qt::LeftButton, {}, bloc);
    EXPECT_EQ(poignee.cursor().shape(), Qt::ClosedHandCursor);
    QTest::mouseMove(&poignee, bloc - QPoint(0, 4000)); // far above: held inside the view
    EXPECT_DOUBLE_EQ(poignee.Position(), fenetre::PoigneeVibreur::Limite);
    QTest::mouseRelease(&poignee, Qt::LeftButton, {}, bloc);
    EXPECT_TRUE(banc.fenetre->Outils().SurLaCorde().TexteEcart().isEmpty()) << "no line";
    // A press in the block's column away from it is the measuring line's.
    QTest::mousePress(&poignee, Qt::LeftButton, {}, bloc + QPoint(0, 60));
    QTest::mouseRelease(&poignee, Qt::LeftButton, {}, bloc + QPoint(0, 60));
    EXPECT_DOUBLE_EQ(poignee.Position(), fenetre::PoigneeVibreur::Limite) << "not moved";

    // Up to 1 cm and back to rest in 0.2 s, along a raised cosine: each tick notes where the
    // hand was, the peak at the eleventh.
    poignee.Place(0);
    banc.Tick();
    const double c = banc.Etat().Celerite, t0 = banc.Etat().TempsMs / 1000.0 + 0.11;
    for (int tick = 0; tick <= 20; ++tick) {
        poignee.Place(0.5 - 0.5 * std::cos(2 * M_PI * tick / 20.0));
        banc.Tick();
    }
    poignee.Place(0);
    double premierPassage = -1;
    for (int tick = 0; tick < 100; ++tick) {
        banc.Tick();
        const double t = banc.Etat().TempsMs / 1000.0 - t0;
        EXPECT_NEAR(SommetDeLaCorde(banc.Etat()), c * t, 0.5 / 12 + 1e-9) << t;
        const double damped = std::exp(-0.01 * c * t);
        EXPECT_NEAR(banc.Etat().Elongation[sim::PointLePlusProche(c * t)], damped, 0.02) << t;
        const auto& releve = banc.fenetre->Traces().Releve();
        ASSERT_TRUE(!releve.empty() && releve.back().capteur1);
        if (premierPassage < 0 && *releve.back().capteur1 > 0.9)
            premierPassage = t;
    }
    EXPECT_NEAR(premierPassage, 40 / 12.0 / c, 0.03) << "the sensor's delay";
    // After the fixed end at 14 cm: a trough on its way back.
    for (int tick = 0; tick < 220; ++tick)
        banc.Tick();
    const double t = banc.Etat().TempsMs / 1000.0 - t0;
    EXPECT_NEAR(SommetDeLaCorde(banc.Etat(), -1), 2 * sim::LongueurCorde - c * t, 0.5 / 12 + 1e-9);
    EXPECT_LT(banc.Etat().Elongation[sim::PointLePlusProche(2 * sim::LongueurCorde - c * t)], -0.6);

    // A pulse button, or the tab, brings the block back to rest at once.
    poignee.Place(1);
    banc.Clique("Command4");
    EXPECT_EQ(poignee.Position(), 0);
    EXPECT_TRUE(banc.fenetre->Main().Vide());
}

// Moved along a sine by a script, the block makes the string the periodic mode makes, to
// within the error of a straight line between samples; the keyboard and a screen reader
// move it too.
TEST(Main, AHandMadeSineIsThePeriodicString) {
    aide::Banc banc;
    banc.Clique("Label17");
    fenetre::PoigneeVibreur& poignee = banc.fenetre->Poignee();
    sim::EtatSimulation periodique = banc.Etat();
    periodique.CoefDeformation = 0.5f; // rise and fall equal: a pure sine
    periodique.DebutReflexions = 0;
    const double debut = banc.Etat().TempsMs / 1000.0;
    for (int tick = 0; tick < 400; ++tick) {
        poignee.Place(sim::VibreurPeriodique(periodique, banc.Etat().TempsMs / 1000.0 + 0.01));
        banc.Tick();
    }
    periodique.TempsMs = banc.Etat().TempsMs;
    sim::CalculeModele(periodique, true);
    const double parcouru = (banc.Etat().TempsMs / 1000.0 - debut) * banc.Etat().Celerite;
    double ecart = 0;
    for (int i = 0; i < std::min<int>(sim::DernierPointCalcule, static_cast<int>(parcouru * 12));
         ++i)
        ecart = std::max(ecart, std::abs(banc.Etat().Elongation[i] - periodique.Elongation[i]));
    EXPECT_LT(ecart, 1e-3) << "the string, the hand's against the periodic mode's";
    EXPECT_GT(parcouru, 15) << "the whole view compared";

    poignee.setFocus();
    poignee.Place(0);
    QTest::keyClick(&poignee, Qt::Key_Up);
    QTest::keyClick(&poignee, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_NEAR(poignee.Position(), 0.6, 1e-12);
    QTest::keyClick(&poignee, Qt::Key_Down);
    EXPECT_NEAR(poignee.Position(), 0.5, 1e-12);
    QAccessibleInterface* vibreur = QAccessible::queryAccessibleInterface(&poignee);
    EXPECT_EQ(vibreur->role(), QAccessible::Slider);
    EXPECT_EQ(vibreur->text(QAccessible::Name), "Vibreur");
    EXPECT_EQ(vibreur->text(QAccessible::Value), "0,5 centimètres");
    vibreur->valueInterface()->setCurrentValue(-1.0);
    EXPECT_DOUBLE_EQ(poignee.Position(), -1.0);
    QTest::keyClick(&poignee, Qt::Key_Home);
    EXPECT_EQ(poignee.Position(), 0);
}

} // namespace
