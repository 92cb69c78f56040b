// SPDX-License-Identifier: GPL-3.0-or-later
#include "commun/AideQt.h"
#include "kit/Controles.h"
#include "kit/Zoom.h"
#include "sim/Excitation.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct CapteursTest : ::testing::Test {
    void TestBody() override {}
    aide::Banc banc;
    kit::Marqueur& barre1 = *banc.operator()<kit::Marqueur>("Capteur1");
    kit::Marqueur& temoin1 = *banc.operator()<kit::Marqueur>("TemoinCapteur(1)");
    kit::SurfaceDessin& animation = banc.Surface("Animation");

    void SetUp() override { banc.Clique("Label21"); }

    // A real drag: press where the marker is shown, move over the view, release. The press
    // goes to whatever a user would hit there, and that control has the mouse until release.
    void Glisse(kit::Marqueur& marqueur, std::initializer_list<QPoint> positionsDansVue) {
        QWidget* fenetre = banc.fenetre.get();
        // Near the top: the middle of a bar is where its square rides.
        const QPoint prise = marqueur.mapTo(fenetre, QPoint(marqueur.width() / 2, 3));
        QWidget* touche = fenetre->childAt(prise);
        ASSERT_NE(touche, nullptr);
        QTest::mousePress(touche, Qt::LeftButton, {}, touche->mapFrom(fenetre, prise));
        for (const QPoint& p : positionsDansVue)
            QTest::mouseMove(touche, touche->mapFrom(&animation, p));
        QTest::mouseRelease(touche, Qt::LeftButton, {},
                            touche->mapFrom(&animation, *(positionsDansVue.end() - 1)));
    }
    QPoint PointDeVue(double x, double y) const {
        return {1 + static_cast<int>(std::lround(animation.echelle().PixelX(x))),
                1 + static_cast<int>(std::lround(animation.echelle().PixelY(y)))};
    }
};

TEST_F(CapteursTest, ActivationWhilePausedKeepsTheSquaresTopUntilTheNextTick) {
    banc.Clique("Command1");
    banc.Clique("ActiveCapteur1");
    QWidget* fenetre = banc.fenetre.get();
    EXPECT_EQ(aide::Ecran(fenetre).pixelColor(barre1.mapTo(fenetre, QPoint(0, 60))),
              barre1.CouleurFond())
        << "on screen at once, paused";
    EXPECT_FALSE(barre1.isHidden());
    EXPECT_FALSE(temoin1.isHidden());
    EXPECT_TRUE(banc("ActiveCapteur1")->isHidden());
    EXPECT_FALSE(banc("DesactiveCapteur1")->isHidden());
    EXPECT_FLOAT_EQ(temoin1.Gauche(), barre1.Gauche());
    EXPECT_NEAR(temoin1.Haut(), 3.387, 1e-3);
    banc.Clique("Command3");
    // Sensor 1 samples point 40 for the trace and its square rides on point 41.
    EXPECT_NEAR(temoin1.Haut(), 3.5 - banc.Etat().Elongation[41] - 0.1, 1e-6);
    EXPECT_NEAR(temoin1.Gauche(), barre1.Gauche() + 0.105 - 0.16, 1e-6);
    EXPECT_DOUBLE_EQ(banc.Etat().DerniereValeurCapteur[1], 3.5 - banc.Etat().Elongation[40]);
    // Shown on the string; the control, what the pointer hits, is there once the pointer is
    // over the view.
    EXPECT_EQ(aide::Ecran(fenetre).pixelColor(animation.mapTo(fenetre, temoin1.Zone().center())),
              temoin1.CouleurFond());
    QEnterEvent entree(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&animation, &entree);
    EXPECT_EQ(temoin1.geometry(), temoin1.Zone());
}

TEST_F(CapteursTest, ActivationSeedsTheTraceFromThePointsPresentOrdinate) {
    banc.Tick(0.123);
    banc.Clique("Label10");
    EXPECT_FALSE(banc("Capteur2")->isHidden());
    EXPECT_DOUBLE_EQ(banc.Etat().DerniereValeurCapteur[2], 3.5 - banc.Etat().Elongation[149]);
    banc.Clique("Label10");
    EXPECT_TRUE(banc("Capteur2")->isHidden());
    EXPECT_TRUE(banc("TemoinCapteur(2)")->isHidden());
    EXPECT_FALSE(banc("ActiveCapteur2")->isHidden());
}

TEST_F(CapteursTest, ARealDragMovesTheBarAndRedrawsAtOnce) {
    banc.Clique("ActiveCapteur1");
    banc.Clique("Command1");
    animation.Efface();
    Glisse(barre1, {PointDeVue(6.0, 2.0), PointDeVue(8.0, 5.0)});
    EXPECT_NEAR(barre1.Gauche(), 8.0, 0.03);
    EXPECT_EQ(barre1.Haut(), 0.0f);
    EXPECT_FALSE(barre1.EnGlissement()) << "the outline is gone after the release";
    EXPECT_TRUE(aide::Contient(animation, 3, 1.25, QColor(220, 220, 255), 0)) << "frame redrawn";
    EXPECT_NEAR(temoin1.Haut(), 3.387, 1e-3) << "the square waits for the next tick";
}

TEST_F(CapteursTest, ADragLandsOnTheSameCentimetreAtEveryZoom) {
    banc.Clique("ActiveCapteur1");
    for (double zoom : {0.8, 1.5, 3.0}) {
        kit::ZoomDe(banc.fenetre.get())->ChoisitZoomNormal(zoom);
        Glisse(barre1, {PointDeVue(6.0, 2.0), PointDeVue(8.0, 5.0)});
        EXPECT_NEAR(barre1.Gauche(), 8.0, 0.05) << zoom;
        // The bar stands where the view draws 8 cm.
        EXPECT_NEAR(barre1.x() - 1, animation.echelle().PixelX(barre1.Gauche()), 0.5) << zoom;
        Glisse(barre1, {PointDeVue(2.0, 2.0)});
        EXPECT_NEAR(barre1.Gauche(), 2.0, 0.05) << zoom;
    }
}

TEST_F(CapteursTest, DragLeftOfTheVibratorIsIgnored) {
    banc.Clique("ActiveCapteur1");
    Glisse(barre1, {PointDeVue(2.0, 2.0), PointDeVue(-0.8, 2.0), PointDeVue(-1.2, 3.0)});
    EXPECT_NEAR(barre1.Gauche(), 2.0, 0.03);
    EXPECT_GE(barre1.Gauche(), 0);
}

TEST_F(CapteursTest, DragOverAChildOrOutsideTheWindowDoesNothing) {
    banc.Clique("ActiveCapteur1");
    banc.Clique("ActiveCapteur2");
    const float avant = barre1.Gauche();
    // Over sensor 2's bar, then over the ruler, then far outside the window.
    auto& barre2 = *banc.operator()<kit::Marqueur>("Capteur2");
    const QPoint surBarre2 = barre2.mapTo(&animation, barre2.rect().center());
    Glisse(barre1, {surBarre2, PointDeVue(5, 7.5), QPoint(5000, -300)});
    EXPECT_FLOAT_EQ(barre1.Gauche(), avant);
}

TEST_F(CapteursTest, AHiddenMarkerCannotBeDragged) {
    Glisse(barre1, {PointDeVue(9.0, 2.0)});
    EXPECT_NEAR(barre1.Gauche(), 3.321, 1e-3);
}

TEST_F(CapteursTest, DraggedSquareJumpsToTheTopAndReturnsOnTheNextTick) {
    banc.Clique("ActiveCapteur1");
    banc.Tick();
    Glisse(temoin1, {PointDeVue(10.0, 4.0)});
    EXPECT_EQ(temoin1.Haut(), 0.0f);
    banc.Tick();
    EXPECT_NEAR(temoin1.Haut(), banc.Etat().OrdonneeCapteur[1] - 0.1, 1e-6);
}

TEST_F(CapteursTest, CoveringTheScopeDeactivatesBothEvenWithTheViewHidden) {
    banc.Clique("ActiveCapteur1");
    banc.Clique("ActiveCapteur2");
    banc.Clique("Image2");
    banc.Tick();
    banc.Clique("Image3");
    EXPECT_TRUE(barre1.isHidden());
    EXPECT_TRUE(banc("Capteur2")->isHidden());
    EXPECT_FALSE(banc("ActiveCapteur1")->isHidden());
    EXPECT_FALSE(banc("CacheOscillo")->isHidden());
    // Reactivated, the bar is back at the same place.
    banc.Clique("Label21");
    banc.Clique("Label9");
    EXPECT_NEAR(barre1.Gauche(), 3.321, 1e-3);
}

// Whatever moves, shows or hides what the surface paints over its picture, the string view
// on the screen is the one a fresh render draws, paused or running.
TEST_F(CapteursTest, TheScreenIsAFreshRenderAfterEveryActionOnTheSensors) {
    using Action = std::function<void(CapteursTest&)>;
    const auto cle = [](const char* nom, Qt::Key touche, int fois = 1,
                        Qt::KeyboardModifiers modificateurs = {}) {
        return [=](CapteursTest& t) {
            QWidget* cible = t.banc(nom);
            cible->setFocus(Qt::TabFocusReason);
            for (int i = 0; i < fois; ++i)
                QTest::keyClick(cible, touche, modificateurs);
        };
    };
    const struct {
        const char* quoi;
        Action action;
    } cas[] = {
        {"switched off by its box", [](CapteursTest& t) { t.banc.Clique("DesactiveCapteur1"); }},
        {"switched off by its name", [](CapteursTest& t) { t.banc.Clique("Label9"); }},
        {"switched off by the keyboard", cle("Label9", Qt::Key_Space)},
        {"switched off by assistive technology",
         [](CapteursTest& t) {
             QAccessible::queryAccessibleInterface(t.banc("Label9"))
                 ->actionInterface()
                 ->doAction(QAccessibleActionInterface::toggleAction());
         }},
        {"switched off by the cover", [](CapteursTest& t) { t.banc.Clique("Image3"); }},
        {"switched off and on again",
         [](CapteursTest& t) {
             t.banc.Clique("Label9");
             t.banc.Clique("Label9");
         }},
        {"dragged", [](CapteursTest& t) { t.Glisse(t.barre1, {t.PointDeVue(9.0, 2.0)}); }},
        {"moved by the arrows", cle("Capteur1", Qt::Key_Right, 3, Qt::ShiftModifier)},
        {"stopped at a fixed end",
         [](CapteursTest& t) {
             t.banc.operator()<kit::Marqueur>("Capteur2")->Deplace(14.8f);
             t.banc.Choisit("Extremite(1)");
         }},
        {"the end changed",
         [](CapteursTest& t) {
             t.banc.Choisit("Extremite(2)");
             t.banc.Choisit("Extremite(0)");
         }},
        {"the zoom changed",
         [](CapteursTest& t) { kit::ZoomDe(t.banc.fenetre.get())->ChoisitZoomNormal(1.5); }},
        {"the zoom changed back",
         [](CapteursTest& t) {
             kit::ZoomDe(t.banc.fenetre.get())->ChoisitZoomNormal(1.5);
             aide::Ecran(t.banc.fenetre.get());
             kit::ZoomDe(t.banc.fenetre.get())->ChoisitZoomNormal(1);
         }},
        {"the view hidden and shown",
         [](CapteursTest& t) {
             t.banc.Clique("Image2");
             t.banc.Clique("Label4");
         }},
    };
    for (const bool enPause : {true, false})
        for (const auto& c : cas) {
            CapteursTest t;
            t.SetUp();
            t.banc.Clique("ActiveCapteur1");
            t.banc.Clique("ActiveCapteur2");
            t.banc.operator()<kit::Marqueur>("Capteur2")->Deplace(8.0f);
            for (int i = 0; i < 5; ++i)
                t.banc.Tick();
            if (enPause)
                t.banc.Clique("Command1");
            aide::Ecran(t.banc.fenetre.get());
            c.action(t);
            for (int i = 0; i < (enPause ? 0 : 3); ++i)
                t.banc.Tick();
            EXPECT_TRUE(aide::CommeRedessine(&t.animation))
                << c.quoi << (enPause ? ", paused" : ", running");
        }
}

} // namespace
