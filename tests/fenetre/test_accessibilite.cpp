// SPDX-License-Identifier: GPL-3.0-or-later
#include "commun/AideQt.h"
#include "kit/Controles.h"
#include "kit/Zoom.h"

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
                         {"Label9", "Capteur 1", true},
                         {"Command5", "Impulsion étroite", true},
                         {"Label21", "Afficher l'évolution temporelle", false},
                         {"Sens(5)", "0,1 seconde par division", false}}) {
        QWidget* w = banc(c.nom);
        EXPECT_EQ(Texte(w, QAccessible::Name), QString::fromUtf8(c.accessible)) << c.nom;
        EXPECT_EQ(!Texte(w, QAccessible::Description).isEmpty(), c.decrit) << c.nom;
    }
}

TEST_F(ClavierTest, TheEndsTellTheirNaturalFrequenciesForTheCurrentSpeed) {
    struct Cas {
        int celerite; // bar position, tenths of cm/s
        const char* fixe;
        const char* libre;
    };
    for (const Cas& c : {Cas{50, "0,18 ; 0,36 ; 0,54", "0,09 ; 0,27 ; 0,45"},
                         Cas{140, "0,50 ; 1,00 ; 1,50", "0,25 ; 0,75 ; 1,25"}}) {
        banc.operator()<QScrollBar>("CeleriteOnde")->setValue(c.celerite);
        for (auto [nom, frequences] :
             {std::pair{"Extremite(1)", c.fixe}, {"Extremite(2)", c.libre}}) {
            const QString attendu = QStringLiteral("Fréquences propres : %1 Hz").arg(frequences);
            EXPECT_EQ(Texte(banc(nom), QAccessible::Description), attendu) << nom;
            EXPECT_EQ(banc(nom)->toolTip(), attendu) << nom;
        }
    }
}

TEST_F(ClavierTest, AScreenReaderHearsTheWindowOneCheckBoxPerSensorAndItsPlace) {
    const auto interface = [this](const char* nom) {
        return QAccessible::queryAccessibleInterface(banc(nom));
    };
    QAccessibleInterface* fenetre = QAccessible::queryAccessibleInterface(banc.fenetre.get());
    EXPECT_EQ(fenetre->role(), QAccessible::Window);
    EXPECT_EQ(fenetre->text(QAccessible::Name), "vibraLIGNE");

    QAccessibleInterface* capteur = interface("Label9");
    EXPECT_EQ(capteur->role(), QAccessible::CheckBox);
    EXPECT_TRUE(capteur->state().invisible) << "under the cover";
    EXPECT_TRUE(capteur->actionInterface()->actionNames().isEmpty()) << "under the cover";
    banc.Clique("Label21");
    EXPECT_FALSE(capteur->state().invisible);
    EXPECT_TRUE(capteur->state().checkable);
    EXPECT_FALSE(capteur->state().checked);
    capteur->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(banc("Capteur1")->isHidden()) << "as a click on the box";
    EXPECT_TRUE(capteur->state().checked);
    banc.Clique("DesactiveCapteur1"); // the mouse on the picture
    EXPECT_FALSE(capteur->state().checked);
    banc.Clique("ActiveCapteur1");
    EXPECT_TRUE(capteur->state().checked);
    for (const char* image : {"ActiveCapteur1", "DesactiveCapteur1"}) {
        EXPECT_TRUE(interface(image)->state().invisible) << image;
        EXPECT_TRUE(interface(image)->actionInterface()->actionNames().isEmpty()) << image;
    }

    QAccessibleInterface* position = interface("Capteur1");
    EXPECT_EQ(position->role(), QAccessible::Slider);
    QAccessibleValueInterface* valeur = position->valueInterface();
    ASSERT_NE(valeur, nullptr);
    EXPECT_NEAR(valeur->currentValue().toDouble(), 3.321, 1e-3);
    EXPECT_EQ(valeur->minimumValue().toDouble(), 0);
    EXPECT_NEAR(valeur->maximumValue().toDouble(), 14.96, 0.02) << "the view's edge";
    EXPECT_EQ(position->text(QAccessible::Description), "3,32 centimètres");
    banc("Capteur1")->setFocus(Qt::TabFocusReason);
    Touche(Qt::Key_Right);
    EXPECT_EQ(position->text(QAccessible::Description), "3,42 centimètres");
    banc.Choisit("Extremite(1)");
    EXPECT_EQ(valeur->maximumValue().toDouble(), 14) << "the string's end";
    valeur->setCurrentValue(20.0);
    EXPECT_EQ(valeur->currentValue().toDouble(), 14);

    // The cover switches the sensor off: the box says so.
    banc.Clique("Image3");
    EXPECT_FALSE(capteur->state().checked);
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

TEST_F(ClavierTest, TabReachesEveryPanelInOrderButNothingUnderACover) {
    // Two whole rounds of the Tab chain, from the window.
    const auto parcours = [this] {
        banc.fenetre->setFocus();
        std::vector<QString> noms;
        for (int i = 0; i < 60; ++i) {
            Touche(Qt::Key_Tab);
            noms.push_back(QApplication::focusWidget()->objectName());
        }
        return noms;
    };
    const auto position = [](const std::vector<QString>& noms, const char* nom) {
        return std::find(noms.begin(), noms.end(), nom) - noms.begin();
    };
    const auto atteint = [&](const std::vector<QString>& noms, const char* nom) {
        return position(noms, nom) < static_cast<long>(noms.size());
    };
    auto couvert = parcours();
    EXPECT_LT(position(couvert, "Command1"), position(couvert, "Label17"));
    EXPECT_LT(position(couvert, "Label17"), position(couvert, "freq"));
    EXPECT_LT(position(couvert, "freq"), position(couvert, "CeleriteOnde"));
    EXPECT_LT(position(couvert, "CeleriteOnde"), position(couvert, "Label21"));
    EXPECT_TRUE(atteint(couvert, "Label21"));
    // The oscilloscope's cover hides its sensors' boxes and time base; the string view
    // hides its own invitation.
    for (const char* dessous : {"Label9", "Label10", "Sens(5)", "Sens(1)", "Sens(4)", "Label4"})
        EXPECT_FALSE(atteint(couvert, dessous)) << dessous;

    // Space on the focused invitation reveals the oscilloscope: what was under it comes
    // back in its order. Then closing the string view brings its invitation into the chain.
    banc("Label21")->setFocus(Qt::TabFocusReason);
    Touche(Qt::Key_Space);
    EXPECT_TRUE(banc("CacheOscillo")->isHidden());
    EXPECT_TRUE(banc.fenetre->Timer1().isActive()) << "Space went to the control, not to pause";
    banc("Image2")->setFocus(Qt::TabFocusReason);
    Touche(Qt::Key_Space);
    const auto revele = parcours();
    EXPECT_LT(position(revele, "Image2"), position(revele, "Label4"));
    // Reading order: sensor 1, sensor 2, then the time base; the boxes' pictures are not
    // stops of their own.
    EXPECT_LT(position(revele, "Image3"), position(revele, "Label9"));
    EXPECT_LT(position(revele, "Label9"), position(revele, "Label10"));
    EXPECT_LT(position(revele, "Label10"), position(revele, "Sens(5)"));
    EXPECT_LT(position(revele, "Sens(5)"), static_cast<long>(revele.size()));
    EXPECT_FALSE(atteint(revele, "ActiveCapteur1"));
    banc("Label9")->setFocus(Qt::TabFocusReason);
    Touche(Qt::Key_Space);
    EXPECT_FALSE(banc("Capteur1")->isHidden());

    // Covered again: the focus cannot stay on a hidden box, and the keyboard cannot bring
    // it back; the sensors were switched off by the cover.
    banc("Image3")->setFocus(Qt::TabFocusReason);
    Touche(Qt::Key_Space);
    EXPECT_FALSE(atteint(parcours(), "Label9"));
    EXPECT_TRUE(banc("Capteur1")->isHidden());
}

TEST_F(ClavierTest, F11FillsTheScreenAndEscapeGivesTheWindowBackWithNothingLost) {
    banc.Clique("Label21");
    banc.Clique("ActiveCapteur1");
    for (int tick = 0; tick < 30; ++tick)
        banc.Tick();
    kit::ZoomFenetre& zoom = *kit::ZoomDe(banc.fenetre.get());
    const QSize ecran = banc.fenetre->screen()->geometry().size();
    const double attendu = kit::ZoomQuiTient(ecran, {1280, 720});
    Touche(Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return banc.fenetre->size() == ecran; }));
    EXPECT_TRUE(banc.fenetre->isFullScreen());
    EXPECT_EQ(zoom.Zoom(), attendu);
    // The layout is centred, the margins left in the window's background.
    const QSize contenu = zoom.TailleContenu(attendu);
    EXPECT_EQ(zoom.Origine(), QPoint((ecran.width() - contenu.width()) / 2,
                                     (ecran.height() - contenu.height()) / 2));
    EXPECT_EQ(banc("Picture1")->pos(),
              zoom.Origine() + QPoint(kit::Pixels(120, attendu), kit::Pixels(120, attendu)));
    // Nothing paused, nothing lost: the sensor is on and its trace goes on.
    EXPECT_TRUE(banc.fenetre->Timer1().isActive());
    EXPECT_FALSE(banc("Capteur1")->isHidden());
    const QImage avant = banc.Surface("Oscillo").Image();
    banc.Tick();
    EXPECT_NE(banc.Surface("Oscillo").Image(), avant);
    Touche(Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !banc.fenetre->isFullScreen(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return banc.fenetre->size() == QSize(1280, 720); }));
    EXPECT_EQ(zoom.Zoom(), 1);
    EXPECT_EQ(banc("Oscillo")->geometry().topLeft(), QPoint(5, 35));
    EXPECT_EQ(banc.Surface("Animation").Image().width(), 780);
}

TEST_F(ClavierTest, OnlyTheKeyboardShowsTheFocusFrame) {
    banc.Clique("Label21");
    banc.Clique("ActiveCapteur1");
    // A button paints its own frame; a sensor bar, painted by its view, only while focused.
    for (const char* nom : {"Command1", "Capteur1"}) {
        QWidget* controle = banc(nom);
        const auto oranges = [&] {
            QWidget* fenetre = banc.fenetre.get();
            const QImage ecran = aide::Ecran(fenetre);
            const QRect place(controle->mapTo(fenetre, QPoint(0, 0)), controle->size());
            int n = 0;
            for (int y = place.top(); y <= place.bottom(); ++y)
                for (int x = place.left(); x <= place.right(); ++x)
                    n += ecran.pixelColor(x, y) == QColor(255, 160, 0);
            return n;
        };
        controle->setFocus(Qt::ActiveWindowFocusReason);
        EXPECT_EQ(oranges(), 0) << nom << ": the layout is untouched when the window opens";
        banc("Image2")->setFocus(Qt::TabFocusReason);
        controle->setFocus(Qt::TabFocusReason);
        EXPECT_GT(oranges(), 4) << nom;
        banc("Image2")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(oranges(), 0) << nom << ": gone with the focus";
    }
}

TEST_F(ClavierTest, ArrowsMoveAFocusedSensorLikeADrag) {
    banc.Clique("Label21");
    banc.Clique("ActiveCapteur1");
    auto* barre = banc.operator()<kit::Marqueur>("Capteur1");
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
