// SPDX-License-Identifier: GPL-3.0-or-later
#include "commun/AideQt.h"
#include "kit/Controles.h"
#include "scope/EcranOscillo.h"

#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

const QColor Bleu = aide::TraceBleue;
const QColor Orange = aide::TraceOrange;
using aide::GrilleEntiere;

struct OscilloTest : ::testing::Test {
    aide::Banc banc;
    kit::SurfaceDessin& oscillo = banc.Surface("Oscillo");
    int effacements = 0;

    // Counts screen clears by marking the screen with a pixel a clear would remove.
    void Marque() { oscillo.Boite(9.9f, 0.05f, 9.9f, 0.05f, Qt::red, true); }
    bool Efface() { return !aide::Contient(oscillo, 9.9, 0.05, Qt::red, 1); }
    // The first and last rows of the screen holding a colour.
    std::pair<int, int> Rangees(QColor couleur) {
        const QImage image = oscillo.Image();
        int haut = image.height(), bas = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == couleur) {
                    haut = std::min(haut, y);
                    bas = std::max(bas, y);
                }
        return {haut, bas};
    }
};

TEST_F(OscilloTest, RevealShowsTheGraticuleAlone) {
    EXPECT_TRUE(aide::Contient(oscillo, 3, 1.25, Qt::white, 0)) << "blank until revealed";
    banc.Clique("Label21");
    EXPECT_TRUE(banc("CacheOscillo")->isHidden());
    EXPECT_TRUE(aide::Contient(oscillo, 3, 1.25, GrilleEntiere, 0));
    EXPECT_TRUE(aide::Contient(oscillo, 3.5, 1.25, QColor(240, 240, 255), 0));
    EXPECT_TRUE(aide::Contient(oscillo, 6.25, 6, GrilleEntiere, 0));
}

TEST(BaseDeTemps, MembersMapToTheirMillisecondsPerDivision) {
    const double attendues[] = {200, 500, 1000, 1500, 2000, 100};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(scope::BaseDeTempsDuMembre(i), attendues[i]);
    EXPECT_EQ(scope::BaseDeTempsDuMembre(6), 0);
    EXPECT_EQ(scope::BaseDeTempsDuMembre(-1), 0);
}

TEST_F(OscilloTest, TracesInTheSensorsColours) {
    banc.Clique("Label21");
    banc.Clique("ActiveCapteur1");
    banc.Clique("ActiveCapteur2");
    for (int tick = 0; tick < 60; ++tick)
        banc.Tick();
    const QImage image = oscillo.Image();
    int bleus = 0, oranges = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            bleus += image.pixelColor(x, y) == Bleu;
            oranges += image.pixelColor(x, y) == Orange;
        }
    // 0.6 s of a 5 s sweep is 54 pixels of trace, two pixels thick.
    EXPECT_GT(bleus, 80);
    EXPECT_GT(oranges, 80);
}

TEST_F(OscilloTest, AtPointOneSecondPerDivisionTheScreenClearsOncePerSecond) {
    banc.Clique("Label21");
    banc.Choisit("Sens(5)");
    EXPECT_EQ(banc.Etat().BaseDeTemps, 100);
    EXPECT_EQ(banc.Etat().DureeBalayage, 1);
    banc.horloge.secondes = 36000.005;
    banc.Tick(0);
    // Sensor 1 alone, then sensor 2 alone: whichever is traced performs the wrap.
    for (const char* active : {"ActiveCapteur1", "ActiveCapteur2"}) {
        banc.Clique("DesactiveCapteur1");
        banc.Clique(active);
        effacements = 0;
        for (int tick = 0; tick < 300; ++tick) {
            Marque();
            const int32_t avant = banc.Etat().TempsMs;
            banc.Tick();
            const bool nouvelleSeconde = avant / 1000 != banc.Etat().TempsMs / 1000;
            EXPECT_EQ(Efface(), nouvelleSeconde) << active << " " << banc.Etat().TempsMs;
            effacements += Efface();
        }
        EXPECT_EQ(effacements, 3) << active;
    }
}

TEST_F(OscilloTest, MoreThanASweepBetweenTwoTicksCrossesTheScreenWithoutClearing) {
    banc.Clique("Label21");
    banc.Choisit("Sens(5)"); // a 1 s sweep
    banc.Clique("ActiveCapteur1");
    banc.horloge.secondes = 36000.2;
    banc.Tick(0);
    Marque();
    banc.Tick(1.5); // from 0.2 s into a sweep to 0.7 s into the next one
    EXPECT_FALSE(Efface());
    for (double x : {2.5, 4.5, 6.5})
        EXPECT_NE(aide::Rangees(oscillo, x, Bleu).first, -1) << x;
}

TEST_F(OscilloTest, ATraceJumpsAfterADragAndStaysAfterDeactivation) {
    banc.Clique("Label21");
    banc.operator()<QScrollBar>("Amplitude")->setValue(30);
    banc.Clique("ActiveCapteur1");
    banc.horloge.secondes = 36000.1;
    banc.Tick(0);
    banc.Clique("Command1");
    banc.Choisit("Sens(1)"); // a clear, at the same sweep position: only the next segment shows
    banc.Choisit("Sens(0)");
    banc.Choisit("Sens(1)");
    // Half a wavelength (5 cm at 1 Hz and 5 cm/s) further on, the point moves the other way.
    const double avant = banc.Etat().DerniereValeurCapteur[1];
    auto* barre = banc.operator()<kit::Marqueur>("Capteur1");
    emit banc.Surface("Animation").survolGlisser(barre, barre->Gauche() + 2.5f, 0);
    banc.Clique("Command3");
    const double apres = banc.Etat().DerniereValeurCapteur[1];
    ASSERT_GT(std::abs(apres - avant), 1.0);
    // One segment from the old ordinate to the new one, its rows sampled from end to end
    // (47 px per unit down the screen).
    const auto [haut, bas] = Rangees(Bleu);
    EXPECT_EQ(haut, static_cast<int>(std::floor(47 * std::min(avant, apres))));
    EXPECT_EQ(bas, static_cast<int>(std::floor(47 * std::max(avant, apres))));

    banc.Clique("Command2");
    banc.Clique("DesactiveCapteur1");
    const QImage trace = oscillo.Image();
    for (int tick = 0; tick < 50; ++tick)
        banc.Tick();
    EXPECT_EQ(oscillo.Image(), trace) << "the trace stays, and nothing more is drawn";
}

TEST_F(OscilloTest, WithAFixedEndANodeTracesFlatAndAnAntinodeFull) {
    // 1 Hz at 7 cm/s: lambda = 7 cm, nodes every 3.5 cm from the end at 14 cm.
    banc.operator()<QScrollBar>("CeleriteOnde")->setValue(70);
    banc.operator()<QScrollBar>("Amortissement")->setValue(2);
    banc.Choisit("Extremite(1)");
    banc.Clique("Label21");
    banc.Clique("ActiveCapteur1");
    banc.Clique("ActiveCapteur2");
    auto& animation = banc.Surface("Animation");
    emit animation.survolGlisser(banc("Capteur1"), 10.5f, 0); // a node
    emit animation.survolGlisser(banc("Capteur2"), 8.75f, 0); // an antinode
    banc.horloge.secondes += 40;                              // settled
    banc.Tick(0);
    banc.Choisit("Sens(2)"); // a clear screen, and a 10 s sweep
    for (int tick = 0; tick < 480; ++tick)
        banc.Tick();
    const auto hauteur = [this](QColor couleur) {
        const auto [haut, bas] = Rangees(couleur);
        return bas - haut;
    };
    // 47 px per centimetre: the antinode swings about 1.8 cm either way.
    EXPECT_GT(hauteur(Orange), 140);
    EXPECT_LT(hauteur(Bleu), 0.15 * hauteur(Orange));
}

TEST_F(OscilloTest, TimeBaseChangeClearsAndContinuesAtTheNewSweepPosition) {
    banc.Clique("Label21");
    banc.Clique("ActiveCapteur1");
    banc.horloge.secondes = 36007.0;
    banc.Tick(0);
    Marque();
    banc.Choisit("Sens(4)"); // 2 s per division: a 20 s sweep
    EXPECT_TRUE(Efface());
    EXPECT_EQ(banc.Etat().DureeBalayage, 20);
    banc.Tick(0.5);
    // 36007 s is 7 s into a 20 s sweep: the trace goes on from x = 3.5 to 3.75, not from
    // the left edge.
    EXPECT_TRUE(aide::Contient(oscillo, 3.74, 3.5 - banc.Etat().Elongation[40], Bleu, 1));
    EXPECT_EQ(aide::Rangees(oscillo, 3.45, Bleu).first, -1);
    EXPECT_EQ(aide::Rangees(oscillo, 0.1, Bleu).first, -1);
}

TEST_F(OscilloTest, TimeBaseChangeKeepsTheSweepPositionWithinTheNewSweep) {
    banc.Clique("Label21");
    banc.horloge.secondes = 36004.104;
    banc.Tick(0);
    banc.Tick(0);
    ASSERT_FLOAT_EQ(banc.Etat().TempsBalayage, 4.104f);
    banc.Clique("Command1");
    banc.Choisit("Sens(5)"); // a 1 s sweep while paused
    EXPECT_FLOAT_EQ(banc.Etat().TempsBalayage, 0.104f);
    EXPECT_LT(banc.Etat().TempsBalayage, banc.Etat().DureeBalayage);
}

TEST_F(OscilloTest, AStepAcrossTheEndOfASweepClearsAndRestarts) {
    banc.Clique("Label21");
    banc.Clique("ActiveCapteur1");
    banc.Clique("ActiveCapteur2");
    banc.horloge.secondes = 36004.98; // 4.98 s into a 5 s sweep
    banc.Tick(0);
    banc.Clique("Command1");
    Marque();
    banc.Clique("Command3");
    EXPECT_TRUE(Efface());
    EXPECT_FLOAT_EQ(banc.Etat().TempsBalayage, 0.03f);
    // Sensor 1 starts over with a dot; sensor 2 with a vertical stroke at the same place.
    const double x = 0.03 * 10 / 5;
    EXPECT_TRUE(aide::Contient(oscillo, x, banc.Etat().DerniereValeurCapteur[1], Bleu, 1));
    EXPECT_TRUE(aide::Contient(oscillo, x, banc.Etat().DerniereValeurCapteur[2], Orange, 1));
}

TEST_F(OscilloTest, CoveringDoesNotClearButTheNextRevealDoes) {
    banc.Clique("Label21");
    Marque();
    banc.Clique("Image3");
    EXPECT_FALSE(Efface());
    banc.Clique("Image3");
    EXPECT_FALSE(banc("CacheOscillo")->isHidden());
    banc.Clique("Label21");
    EXPECT_TRUE(Efface());
}

} // namespace
