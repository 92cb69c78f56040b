#include "commun/AideQt.h"
#include "ui/Controles.h"

#include <QAccessible>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

QString Texte(QWidget* w, QAccessible::Text quoi) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(w);
    return interface ? interface->text(quoi) : QString();
}

struct ClavierTest : ::testing::Test {
    aide::Banc banc;
    void SetUp() override {
        QApplication::setActiveWindow(banc.fenetre.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(banc.fenetre.get()));
    }
    // Sends a key to whatever has the focus, as the keyboard would.
    void Touche(Qt::Key touche, Qt::KeyboardModifiers modificateurs = {}) {
        QWidget* cible =
            QApplication::focusWidget() ? QApplication::focusWidget() : banc.fenetre.get();
        QTest::keyClick(cible, touche, modificateurs);
    }
};

TEST_F(ClavierTest, InteractiveControlsHaveFrenchNamesAndDescriptions) {
    struct Cas {
        const char* nom;
        const char* accessible;
        bool decrit;
    };
    for (const Cas& c : {Cas{"Command1", "Pause", true},
                         {"Command2", "Lecture", true},
                         {"Command3", "Avancer de 50 ms", true},
                         {"Image2", "Masquer l'animation", true},
                         {"Image3", "Masquer l'évolution temporelle", true},
                         {"ActiveCapteur1", "Activer le capteur 1", true},
                         {"Command5", "Impulsion étroite", true},
                         {"Label21", "Afficher l'évolution temporelle", false},
                         {"Sens(5)", "0,1 seconde par division", false}}) {
        QWidget* w = banc(c.nom);
        EXPECT_EQ(Texte(w, QAccessible::Name), QString::fromUtf8(c.accessible)) << c.nom;
        EXPECT_EQ(!Texte(w, QAccessible::Description).isEmpty(), c.decrit) << c.nom;
    }
}

TEST_F(ClavierTest, ClickablePicturesAreButtonsThatAssistiveToolsCanPress) {
    QAccessibleInterface* pause = QAccessible::queryAccessibleInterface(banc("Command1"));
    ASSERT_NE(pause, nullptr);
    EXPECT_EQ(pause->role(), QAccessible::Button);
    ASSERT_NE(pause->actionInterface(), nullptr);
    pause->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(banc.fenetre->Timer1().isActive());
    EXPECT_NE(QAccessible::queryAccessibleInterface(banc("Label1"))->role(), QAccessible::Button)
        << "a heading stays text";
}

TEST_F(ClavierTest, ScrollBarsSayTheirParameterAndValueInItsUnit) {
    auto* frequence = banc.operator()<QScrollBar>("freq");
    EXPECT_EQ(Texte(frequence, QAccessible::Name), "Fréquence");
    EXPECT_EQ(Texte(frequence, QAccessible::Description), "1 hertz");
    frequence->setValue(25);
    EXPECT_EQ(Texte(frequence, QAccessible::Description), "2,5 hertz");
    auto* celerite = banc.operator()<QScrollBar>("CeleriteOnde");
    celerite->setValue(125);
    EXPECT_EQ(Texte(celerite, QAccessible::Description), "12,5 centimètre par seconde");
    EXPECT_EQ(Texte(banc("Deformation"), QAccessible::Description),
              "montée pendant 50 % de la période");
}

TEST_F(ClavierTest, SpacePausesAndPlaysAndPSteps) {
    banc.Tick();
    // Whatever has the focus at first (the pause button), Space pauses, then plays: the
    // focus follows the swap of the two buttons.
    Touche(Qt::Key_Space);
    EXPECT_FALSE(banc.fenetre->Timer1().isActive());
    const int32_t arret = banc.Etat().TempsMs;
    Touche(Qt::Key_P);
    EXPECT_EQ(banc.Etat().TempsMs, arret + 50);
    Touche(Qt::Key_Space);
    EXPECT_TRUE(banc.fenetre->Timer1().isActive());
    EXPECT_FALSE(banc("Command1")->isHidden());
}

TEST_F(ClavierTest, AFocusedScrollBarKeepsItsKeysButNotSpace) {
    auto* amplitude = banc.operator()<QScrollBar>("Amplitude");
    amplitude->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(amplitude->hasFocus());
    Touche(Qt::Key_Right);
    Touche(Qt::Key_PageUp);
    EXPECT_EQ(amplitude->value(), 16);
    EXPECT_TRUE(banc.fenetre->Timer1().isActive());
    Touche(Qt::Key_Space);
    EXPECT_FALSE(banc.fenetre->Timer1().isActive()) << "Space is not a scroll bar key";
}

TEST_F(ClavierTest, TabReachesEveryPanelInOrderAndSpaceClicks) {
    banc.fenetre->setFocus();
    std::vector<QString> parcours;
    for (int i = 0; i < 30; ++i) {
        Touche(Qt::Key_Tab);
        parcours.push_back(QApplication::focusWidget()->objectName());
    }
    const auto position = [&](const char* nom) {
        return std::find(parcours.begin(), parcours.end(), nom) - parcours.begin();
    };
    EXPECT_LT(position("Command1"), position("Label17"));
    EXPECT_LT(position("Label17"), position("freq"));
    EXPECT_LT(position("freq"), position("CeleriteOnde"));
    EXPECT_LT(position("CeleriteOnde"), position("Label21"));
    EXPECT_LT(position("Label21"), static_cast<long>(parcours.size()));

    // Space on the focused invitation reveals the oscilloscope; then a sensor's box.
    banc("Label21")->setFocus(Qt::TabFocusReason);
    Touche(Qt::Key_Space);
    EXPECT_TRUE(banc("CacheOscillo")->isHidden());
    EXPECT_TRUE(banc.fenetre->Timer1().isActive()) << "Space went to the control, not to pause";
    banc("ActiveCapteur1")->setFocus(Qt::TabFocusReason);
    Touche(Qt::Key_Space);
    EXPECT_FALSE(banc("Capteur1")->isHidden());
}

TEST_F(ClavierTest, OnlyTheKeyboardShowsTheFocusFrame) {
    QWidget* pause = banc("Command1");
    const auto orangesAuBord = [&] {
        const QImage image = pause->grab().toImage();
        int oranges = 0;
        for (int x = 0; x < image.width(); ++x)
            oranges += image.pixelColor(x, 0) == QColor(255, 160, 0);
        return oranges;
    };
    pause->setFocus(Qt::ActiveWindowFocusReason);
    EXPECT_EQ(orangesAuBord(), 0) << "the layout is untouched when the window opens";
    banc("Image2")->setFocus(Qt::TabFocusReason);
    pause->setFocus(Qt::TabFocusReason);
    EXPECT_GT(orangesAuBord(), 4);
}

TEST_F(ClavierTest, ArrowsMoveAFocusedSensorLikeADrag) {
    banc.Clique("Label21");
    banc.Clique("ActiveCapteur1");
    auto* barre = banc.operator()<ui::Marqueur>("Capteur1");
    barre->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(barre->hasFocus());
    const float depart = barre->Gauche();
    Touche(Qt::Key_Right);
    EXPECT_NEAR(barre->Gauche(), depart + 0.1, 1e-5);
    Touche(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_NEAR(barre->Gauche(), depart + 1.1, 1e-5);
    for (int i = 0; i < 10; ++i)
        Touche(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(barre->Gauche(), 0.0f) << "never left of the vibrator";
    for (int i = 0; i < 30; ++i)
        Touche(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_NEAR(barre->Gauche(), 14.963, 0.02) << "never beyond the view";
}

} // namespace
