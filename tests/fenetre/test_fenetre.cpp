// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accueil.h"
#include "commun/AideQt.h"
#include "fenetre/Tables.h"
#include "kit/Langue.h"
#include "kit/Zoom.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>

#include <map>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

TEST(FenetreCorde, FirstShowMatchesTheLayoutsInitialState) {
    aide::Banc banc;
    auto& f = *banc.fenetre;
    EXPECT_EQ(f.windowTitle(), "vibraLIGNE");
    EXPECT_EQ(f.size(), QSize(1280, 720));
    EXPECT_TRUE(f.Timer1().isActive());
    EXPECT_EQ(f.Timer1().interval(), 10);
    // Started, yet it ticks only when the test says: nothing moves on its own.
    const double temps = banc.Etat().TempsMs;
    banc.horloge.secondes += 1;
    QTest::qWait(40);
    EXPECT_EQ(banc.Etat().TempsMs, temps);

    struct Visibilite {
        const char* nom;
        bool visible;
    };
    for (const Visibilite& v : {Visibilite{"Animation", true},
                                {"Command1", true},
                                {"Command2", false},
                                {"Command3", true},
                                {"OngletPeriodique", true},
                                {"VibrationPeriodique", true},
                                {"OngletSolitaire", false},
                                {"VibrationSolitaire", false},
                                {"Label17", true},
                                {"Image4", true},
                                {"Capteur1", false},
                                {"Capteur2", false},
                                {"TemoinCapteur(1)", false},
                                {"TemoinCapteur(2)", false},
                                {"ActiveCapteur1", true},
                                {"DesactiveCapteur1", true},
                                {"ActiveCapteur2", true},
                                {"DesactiveCapteur2", true},
                                {"CacheOscillo", true}})
        EXPECT_EQ(!banc(v.nom)->isHidden(), v.visible) << v.nom;
    EXPECT_TRUE(banc.operator()<QRadioButton>("Sens(1)")->isChecked());
}

TEST(FenetreCorde, OverlapsLieInTheLaidOutOrder) {
    aide::Banc banc;
    struct Dessus {
        const char* dessus;
        const char* dessous;
    };
    // Siblings paint in the order of their parent's children: later is above.
    for (const Dessus& d : {Dessus{"ActiveCapteur1", "DesactiveCapteur1"},
                            {"ActiveCapteur2", "DesactiveCapteur2"},
                            {"Animation", "AnimationCache"},
                            {"CacheOscillo", "Oscillo"},
                            {"CacheOscillo", "Picture6"},
                            {"CacheOscillo", "Picture15"},
                            {"OngletPeriodique", "Label16"},
                            {"OngletPeriodique", "Image1"},
                            {"OngletSolitaire", "Label17"},
                            {"Command2", "Command1"},
                            {"TemoinCapteur(1)", "Capteur1"},
                            {"Regle", "Animation"}}) {
        QWidget* dessus = banc(d.dessus);
        QWidget* dessous = banc(d.dessous);
        ASSERT_EQ(dessus->parent(), dessous->parent());
        const QObjectList& freres = dessus->parent()->children();
        EXPECT_GT(freres.indexOf(dessus), freres.indexOf(dessous)) << d.dessus;
    }
    // And a click where the string view lies reaches the view, not its cover.
    QWidget* animation = banc("Animation");
    EXPECT_EQ(banc.fenetre->childAt(animation->mapTo(banc.fenetre.get(), QPoint(40, 40))),
              animation);
}

TEST(FenetreCorde, ControlsStandWhereTheTwipTablesPutThem) {
    aide::Banc banc;
    struct Place {
        const char* nom;
        QRect rect; // window pixels, worked out by hand from the twips
    };
    // Picture1 at (10,10); its children start inside its border at (11,11); and so on.
    for (const Place& p : {Place{"Picture1", {10, 10, 791, 421}},
                           {"Animation", {15, 45, 782, 333}},
                           {"Regle", {15, 375, 782, 51}},
                           {"Label2", {15 + 1 + 220, 375 + 1 + 24, 351, 21}},
                           {"Command3", {11 + 170, 11 + 4, 25, 25}},
                           {"Picture5", {810, 10, 461, 701}},
                           {"Oscillo", {815, 45, 451, 331}},
                           {"Sens(5)", {836, 518, 111, 21}},
                           {"Sens(4)", {836, 618, 111, 21}},
                           {"freq", {55, 559, 211, 21}},
                           {"Picture7", {470 + 1 + 4, 440 + 1 + 38, 324, 227}},
                           {"CeleriteOnde", {475 + 1 + 20, 479 + 1 + 50, 281, 21}},
                           {"Label30", {475 + 1 + 20, 479 + 1 + 130, 231, 21}},
                           {"Extremite(1)", {475 + 1 + 20, 479 + 1 + 175, 111, 21}},
                           {"Capteur1", {16 + 230, 46, 5, 330}},
                           {"Capteur2", {16 + 660, 46, 5, 330}}}) {
        QWidget* w = banc(p.nom);
        EXPECT_EQ(QRect(w->mapTo(banc.fenetre.get(), QPoint(0, 0)), w->size()), p.rect) << p.nom;
    }
}

TEST(Zoom, TheLargestZoomThatFits) {
    struct Cas {
        QSize ecran;
        double zoom;
    };
    for (const Cas& c : {Cas{{1920, 1080}, 1.5}, Cas{{3840, 2160}, 3}, Cas{{1024, 768}, 0.8},
                         Cas{{1366, 705}, 705 / 720.0}, Cas{{640, 360}, 0.5}, Cas{{0, 0}, 0.01}})
        EXPECT_EQ(kit::ZoomQuiTient(c.ecran, {1280, 720}), c.zoom) << c.ecran.width();
    // However small, the window draws, ticks and takes a drag without breaking.
    aide::Banc banc;
    banc.Clique("Label21");
    banc.Clique("ActiveCapteur1");
    kit::ZoomDe(banc.fenetre.get())->ChoisitZoomNormal(kit::ZoomQuiTient({100, 50}, {1280, 720}));
    for (int tick = 0; tick < 600; ++tick)
        banc.Tick();
    emit banc.Surface("Animation").survolGlisser(banc("Capteur1"), 9, 0);
    banc.Tick();
    EXPECT_FALSE(banc.Surface("Oscillo").Image().isNull());
    EXPECT_GE(banc("Label1")->font().pixelSize(), 1);
}

TEST(FenetreCorde, EverythingScalesWithTheZoom) {
    struct Place {
        const char* nom;
        QRect rect; // window pixels, worked out by hand from the twips: twips * z / 12
    };
    struct Cas {
        double zoom;
        QSize fenetre;
        std::vector<Place> places;
        int titre, invite; // font pixels of Label1 (12 pt) and Label21 (16.2 pt)
        int pause, main;   // sides of the pause picture (25 px) and the hand cursor (32 px)
    };
    const Cas cas[] = {
        {0.8,
         {1024, 576},
         {{"Picture1", {8, 8, 633, 337}},
          {"Animation", {12, 36, 626, 266}},
          {"Oscillo", {652, 36, 361, 265}},
          {"Sens(5)", {669, 415, 89, 17}}},
         16,
         22,
         20,
         26},
        {1.5,
         {1920, 1080},
         {{"Picture1", {15, 15, 1187, 632}},
          {"Animation", {22, 67, 1173, 500}},
          {"Oscillo", {1222, 67, 677, 497}},
          {"Sens(5)", {1253, 776, 167, 32}}},
         30,
         41,
         38,
         48},
    };
    for (const Cas& c : cas) {
        aide::Banc banc;
        kit::ZoomDe(banc.fenetre.get())->ChoisitZoomNormal(c.zoom);
        EXPECT_EQ(banc.fenetre->size(), c.fenetre) << c.zoom;
        for (const Place& p : c.places) {
            QWidget* w = banc(p.nom);
            EXPECT_EQ(QRect(w->mapTo(banc.fenetre.get(), QPoint(0, 0)), w->size()), p.rect)
                << c.zoom << " " << p.nom;
        }
        EXPECT_EQ(banc("Label1")->font().pixelSize(), c.titre) << c.zoom;
        EXPECT_EQ(banc("Label21")->font().pixelSize(), c.invite) << c.zoom;
        EXPECT_EQ(banc.operator()<QLabel>("Command1")->pixmap().size(), QSize(c.pause, c.pause));
        EXPECT_EQ(banc("Command1")->cursor().pixmap().width(), c.main) << c.zoom;
        // A centimetre of string stays the same fraction of the window.
        const kit::Echelle& e = banc.Surface("Animation").echelle();
        EXPECT_NEAR(e.PixelX(1) - e.PixelX(0), 566.9291 / 12 * c.zoom, 1e-9);
        EXPECT_EQ(banc.Surface("Animation").Image().width(), c.places[1].rect.width() - 2);
        // And back at zoom 1, the window is as laid out again.
        kit::ZoomDe(banc.fenetre.get())->ChoisitZoomNormal(1);
        EXPECT_EQ(QRect(banc("Oscillo")->mapTo(banc.fenetre.get(), QPoint(0, 0)),
                        banc("Oscillo")->size()),
                  QRect(815, 45, 451, 331));
    }
}

TEST(FenetreCorde, CaptionsFontsAndColoursAsLaidOut) {
    aide::Banc banc;
    struct Legende {
        const char* nom;
        const char* texte;
        int pixels;
        QColor couleur;
    };
    for (const Legende& l :
         {Legende{"Label1", "Animation", 20, Qt::white},
          {"Label11", "Sensibilité horizontale  :", 18, Qt::black},
          {"Label7", "Célérité de l'onde : ", 17, QColor(64, 64, 64)},
          {"Label21", "Cliquer ici pour voir l'évolution temporelle d'un ou deux points du milieu",
           27, QColor(128, 128, 128)},
          {"ValeurAmplitude", "0,5 cm", 17, QColor(64, 64, 64)},
          {"ValeurAmplitudeSoliton", "1,5 cm", 17, QColor(64, 64, 64)},
          {"ValeurCelerite", " 5 cm/s", 17, QColor(64, 64, 64)},
          {"ValeurFrequence", " 1 Hz", 17, QColor(64, 64, 64)},
          {"Label2", "graduations en cm", 17, QColor(64, 64, 64)}}) {
        auto* etiquette = banc.operator()<QLabel>(l.nom);
        EXPECT_EQ(etiquette->text(), QString::fromUtf8(l.texte)) << l.nom;
        EXPECT_EQ(etiquette->font().pixelSize(), l.pixels) << l.nom;
        EXPECT_EQ(etiquette->palette().color(QPalette::WindowText), l.couleur) << l.nom;
    }
    EXPECT_TRUE(banc.operator()<QLabel>("Label2")->font().italic());
    EXPECT_TRUE(banc.operator()<QLabel>("Label16")->font().underline());
    EXPECT_EQ(QFontInfo(banc("Label1")->font()).family(), "Carlito");
}

TEST(FenetreCorde, LoadSequenceHasRunBeforeTheWindowIsShown) {
    aide::Banc banc(false);
    EXPECT_FALSE(banc.fenetre->isVisible());
    EXPECT_EQ(banc.operator()<QLabel>("ValeurFrequence")->text(), " 1 Hz");
    EXPECT_EQ(banc.Etat().BaseDeTemps, 500);
    EXPECT_EQ(banc.Etat().DureeBalayage, 5);
    EXPECT_EQ(banc.Etat().Frequence, 1.0);
    EXPECT_EQ(banc.Etat().Celerite, 5.0);
    EXPECT_EQ(banc.Etat().AmplitudeSolitonCm, 1.5f);
    // The ruler is drawn already: the 5 cm tick is black.
    EXPECT_TRUE(aide::Contient(banc.Surface("Regle"), 5, 0.05, Qt::black));
    auto* capteur1 = banc.operator()<kit::Marqueur>("Capteur1");
    EXPECT_EQ(capteur1->CouleurFond(), QColor(230, 230, 255));
    EXPECT_EQ(banc.operator()<kit::Marqueur>("Capteur2")->CouleurFond(), QColor(255, 240, 220));
    EXPECT_NEAR(capteur1->Gauche(), 3.321, 1e-3);
    EXPECT_NEAR(banc.operator()<kit::Marqueur>("TemoinCapteur(1)")->Haut(), 3.387, 1e-3);
}

TEST(FenetreCorde, ScrollBarsDriveTheirParameterAndLabel) {
    aide::Banc banc;
    const auto barre = [&](const char* nom) { return banc.operator()<QScrollBar>(nom); };
    const auto texte = [&](const char* nom) { return banc.operator()<QLabel>(nom)->text(); };

    barre("Amplitude")->setValue(7);
    EXPECT_EQ(banc.Etat().AmplitudeCm, 0.7f);
    EXPECT_EQ(texte("ValeurAmplitude"), " .7cm");
    barre("Amplitude")->setValue(0);
    EXPECT_EQ(texte("ValeurAmplitude"), " 0cm");

    barre("CeleriteOnde")->setValue(125);
    EXPECT_EQ(banc.Etat().Celerite, 12.5);
    EXPECT_EQ(texte("ValeurCelerite"), " 12.5 cm/s");
    EXPECT_EQ(texte("ValeurFrequence"), " 1 Hz");

    barre("Deformation")->setValue(10);
    EXPECT_EQ(banc.Etat().CoefDeformation, 0.9f);
    barre("Deformation")->setValue(90);
    EXPECT_EQ(banc.Etat().CoefDeformation, 0.1f);
    barre("Amortissement")->setValue(10);
    EXPECT_EQ(banc.Etat().CoefAmortissement, 1.0f);

    barre("AmplitudeSoliton")->setValue(22);
    EXPECT_EQ(banc.Etat().AmplitudeSolitonCm, 2.2f);
    EXPECT_EQ(texte("ValeurAmplitudeSoliton"), " 2.2cm");

    barre("freq")->setValue(25);
    EXPECT_EQ(texte("ValeurFrequence"), " 2.5 Hz");
    EXPECT_EQ(banc.Etat().Frequence, 2.5);
}

TEST(FenetreCorde, ArrowTrackKeyboardAndThumbAllMoveTheParameter) {
    aide::Banc banc;
    auto* amplitude = banc.operator()<QScrollBar>("Amplitude");
    amplitude->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(banc.Etat().AmplitudeCm, 0.6f);
    amplitude->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(banc.Etat().AmplitudeCm, 1.6f);
    amplitude->setFocus();
    QTest::keyClick(amplitude, Qt::Key_Left);
    EXPECT_EQ(banc.Etat().AmplitudeCm, 1.5f);

    auto* frequence = banc.operator()<QScrollBar>("freq");
    frequence->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(frequence->value(), 11) << "freq moves by one in the track too";

    // Every position of a dragged thumb, not only the release.
    auto* celerite = banc.operator()<QScrollBar>("CeleriteOnde");
    celerite->setSliderDown(true);
    celerite->setSliderPosition(80);
    EXPECT_EQ(banc.Etat().Celerite, 8.0);
    celerite->setSliderPosition(90);
    EXPECT_EQ(banc.Etat().Celerite, 9.0);
    celerite->setSliderDown(false);
}

TEST(FenetreCorde, CursorsAsLaidOut) {
    aide::Banc banc;
    struct Cas {
        const char* nom;
        QPoint pointChaud; // (-1, -1): the standard arrow
    };
    for (const Cas& c : {Cas{"Label4", {12, 1}},
                         {"Command1", {12, 1}},
                         {"Image3", {12, 1}},
                         {"Label21", {12, 1}},
                         {"Label16", {12, 1}},
                         {"ActiveCapteur2", {12, 1}},
                         {"freq", {4, 16}},
                         {"Amortissement", {4, 16}},
                         {"Capteur1", {4, 16}},
                         {"TemoinCapteur(2)", {4, 16}},
                         {"Label18", {-1, -1}},
                         {"Command5", {-1, -1}},
                         {"Label14", {-1, -1}}}) {
        const QCursor curseur = banc(c.nom)->cursor();
        if (c.pointChaud.x() < 0) {
            EXPECT_EQ(curseur.shape(), Qt::ArrowCursor) << c.nom;
            continue;
        }
        EXPECT_EQ(curseur.shape(), Qt::BitmapCursor) << c.nom;
        EXPECT_EQ(curseur.hotSpot(), c.pointChaud) << c.nom;
        EXPECT_EQ(curseur.pixmap().size(), QSize(32, 32)) << c.nom;
    }
    EXPECT_NE(banc.fenetre->findChild<QTimer*>("Timer1"), nullptr);
}

TEST(FenetreCorde, LabelsWithoutAHandlerChangeNothing) {
    aide::Banc banc;
    const sim::EtatSimulation avant = banc.Etat();
    for (const char* nom : {"Label1", "Label3", "Label14", "Label18", "Label19", "Image5", "Image1",
                            "Label8", "Label11", "ValeurFrequence"})
        banc.Clique(nom);
    EXPECT_EQ(banc.Etat().TempsMs, avant.TempsMs);
    EXPECT_FALSE(banc("OngletPeriodique")->isHidden());
    EXPECT_TRUE(banc("Capteur1")->isHidden());
}

} // namespace

namespace {

// Every translated caption fits its laid-out box at its font: a translation shortens its
// wording, never the layout. Where the French itself, as laid out, overhangs its box (by a
// pixel of side bearing, or a line's leading), a translation may go as far and no further.
// Qt's own texts (a save dialog's buttons) are in the same language.
TEST(Langues, EveryCaptionFitsItsBoxInEveryLanguage) {
    std::map<std::string, QSize> place;
    struct Attendu {
        kit::Langue langue;
        const char *demarrer, *amplitude, *enregistrer, *annuler;
    };
    const Attendu langues[] = {
        {kit::Langue::Francais, "Démarrer la simulation", "0,5 cm", "Enregistrer", "Annuler"},
        {kit::Langue::Anglais, "Start the simulation", "0.5 cm", "Save", "Cancel"},
        {kit::Langue::Espagnol, "Iniciar la simulación", "0,5 cm", "Guardar", "Cancelar"},
        {kit::Langue::Allemand, "Simulation starten", "0,5 cm", "Speichern", "Abbrechen"},
        {kit::Langue::Italien, "Avviare la simulazione", "0,5 cm", "Salva", "Annulla"}};
    for (const Attendu& attendu : langues) {
        const kit::Langue langue = attendu.langue;
        kit::InstalleLangue(langue);
        aide::Banc banc;
        app::Accueil accueil([] { return nullptr; });
        const std::pair<QWidget*, const kit::Fenetre*> fenetres[] = {
            {banc.fenetre.get(), &fenetre::DispositionCorde},
            {&accueil, &fenetre::DispositionAccueil}};
        for (auto [fenetre, disposition] : fenetres)
            for (const kit::Controle& c : disposition->controles) {
                if (c.legende.empty() || c.genre == kit::Genre::Image)
                    continue;
                QWidget* w = kit::Trouve<QWidget>(fenetre, std::string(c.nom).c_str());
                // A trailing space is the layout's, never seen.
                const QString texte = fenetre::Legende(c.legende).trimmed();
                QSize boite = w->size();
                if (c.genre == kit::Genre::Option)
                    boite.rwidth() -= w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                                      w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
                const int drapeaux = c.drapeaux & kit::RetourLigne ? Qt::TextWordWrap : 0;
                QSize taille = QFontMetrics(w->font())
                                   .boundingRect(QRect(QPoint(), boite), drapeaux, texte)
                                   .size();
                // One line may overhang its box by the font's leading, as laid out.
                if (drapeaux == 0 && !texte.contains('\n'))
                    taille.setHeight(0);
                const std::string cle = std::string(disposition->nom) + "/" + std::string(c.nom);
                if (langue == kit::Langue::Francais) {
                    place[cle] = boite.expandedTo(taille);
                    continue;
                }
                EXPECT_LE(taille.width(), place.at(cle).width())
                    << cle << ": " << texte.toStdString();
                EXPECT_LE(taille.height(), place.at(cle).height())
                    << cle << ": " << texte.toStdString();
            }
        EXPECT_EQ(kit::Trouve<QToolButton>(&accueil, "Command1")->text(), attendu.demarrer);
        EXPECT_EQ(banc.operator()<QLabel>("ValeurAmplitude")->text().trimmed(), attendu.amplitude);
        QFileDialog dialogue(banc.fenetre.get());
        dialogue.setOption(QFileDialog::DontUseNativeDialog);
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        auto* boutons = dialogue.findChild<QDialogButtonBox*>();
        ASSERT_NE(boutons, nullptr);
        // Without the mnemonic's ampersand, wherever the language puts it.
        EXPECT_EQ(boutons->button(QDialogButtonBox::Save)->text().remove('&'), attendu.enregistrer);
        EXPECT_EQ(boutons->button(QDialogButtonBox::Cancel)->text().remove('&'), attendu.annuler);
    }
    EXPECT_GT(place.size(), 40u);
    kit::InstalleLangue(kit::Langue::Francais);
}

} // namespace
