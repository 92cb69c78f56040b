// SPDX-License-Identifier: GPL-3.0-or-later
// The same checks under every platform condition a school computer may offer; ctest runs
// this program once per condition (see CMakeLists.txt), and the variables below say which
// one it is in, so that each run also proves its condition really held.

#include "commun/AideQt.h"
#include "kit/Zoom.h"

#include <QFontInfo>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>

namespace {

bool Variable(const char* nom) {
    return !qEnvironmentVariableIsEmpty(nom);
}

TEST(Plateforme, TheConditionOfThisRunHolds) {
    aide::Banc banc;
    const QString famille = QFontInfo(banc("Label1")->font()).family();
    if (Variable("VIBRA_SANS_CARLITO")) {
        EXPECT_NE(famille, "Carlito");
        EXPECT_NE(famille, "Calibri");
    } else {
        EXPECT_TRUE(famille == "Carlito" || famille == "Calibri") << qPrintable(famille);
    }
    if (Variable("VIBRA_LOCALE_FR")) {
        const char* locale = std::setlocale(LC_ALL, "");
        ASSERT_NE(locale, nullptr) << "the French locale could not be set";
        EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    }
    if (const QByteArray ratio = qgetenv("VIBRA_RATIO"); !ratio.isEmpty()) {
        EXPECT_DOUBLE_EQ(banc.fenetre->devicePixelRatioF(), ratio.toDouble());
        const QImage image = banc.Surface("Animation").Image();
        EXPECT_EQ(image.width(), qRound(780 * ratio.toDouble()));
    } else if (!Variable("VIBRA_DEUX_ECRANS")) {
        EXPECT_EQ(banc.fenetre->devicePixelRatioF(), 1.0);
    }
    EXPECT_EQ(QGuiApplication::platformName(), Variable("VIBRA_X11") ? "xcb" : "offscreen");
}

// Everything a lesson does, once, with what it must show.
TEST(Plateforme, ALessonRunsAndShowsWhatItShould) {
    aide::Banc banc;
    banc.operator()<QScrollBar>("Amplitude")->setValue(7);
    EXPECT_EQ(banc.operator()<QLabel>("ValeurAmplitude")->text(), " .7cm");
    banc.operator()<QScrollBar>("freq")->setValue(25);
    EXPECT_EQ(banc.operator()<QLabel>("ValeurFrequence")->text(), " 2.5 Hz");
    banc.Clique("Label21");
    banc.Clique("ActiveCapteur1");
    banc.Clique("ActiveCapteur2");
    for (int tick = 0; tick < 300; ++tick)
        banc.Tick();
#ifdef VIBRA_LIT_TABLEUR
    // The workbook's numbers whatever the C library's locale (a decimal comma in French).
    QTemporaryDir dossier;
    ASSERT_EQ(banc.fenetre->Outils().EnregistreMesures(dossier.filePath("m.xlsx")), "");
    QProcess lecteur;
    lecteur.start("/usr/bin/python3", {VIBRA_LIT_TABLEUR, "classeur", dossier.filePath("m.xlsx")});
    ASSERT_TRUE(lecteur.waitForFinished(60000));
    const QJsonArray lignes = QJsonDocument::fromJson(lecteur.readAllStandardOutput())
                                  .object()["feuilles"]
                                  .toObject()["Mesures"]
                                  .toArray();
    ASSERT_GE(lignes.size(), 2) << lecteur.readAllStandardError().toStdString();
    const QJsonArray ligne = lignes[1].toArray();
    ASSERT_EQ(ligne.size(), 3);
    EXPECT_EQ(ligne[0].toDouble(), banc.fenetre->Traces().Releve()[0].tempsS);
    EXPECT_NEAR(ligne[1].toDouble(-99), *banc.fenetre->Traces().Releve()[0].capteur1, 1e-12);
#endif
    banc.Clique("Label17");
    banc.Clique("Command4");
    for (int tick = 0; tick < 50; ++tick)
        banc.Tick();
    EXPECT_GT(banc.Etat().Elongation[20], 0.5) << "the pulse is on its way";

    // Grid, string and block on the view; traces on the screen; numbers on the ruler.
    kit::SurfaceDessin& vue = banc.Surface("Animation");
    EXPECT_TRUE(aide::Contient(vue, 3, 1.25, QColor(220, 220, 255), 1));
    EXPECT_TRUE(
        aide::Contient(vue, -0.5, 3.5 - banc.Etat().Elongation[0], QColor(200, 200, 200), 1));
    const QImage ecran = banc.Surface("Oscillo").Image();
    int trace = 0;
    for (int y = 0; y < ecran.height(); ++y)
        for (int x = 0; x < ecran.width(); ++x)
            trace += ecran.pixelColor(x, y) == QColor(121, 123, 181);
    EXPECT_GT(trace, 50);
    kit::SurfaceDessin& regle = banc.Surface("Regle");
    int chiffres = 0;
    const QImage imageRegle = regle.Image();
    // Between the centimetre ticks and the caption.
    const qreal r = imageRegle.devicePixelRatio();
    for (int y = static_cast<int>(regle.echelle().PixelY(0.22) * r);
         y < static_cast<int>(regle.echelle().PixelY(0.6) * r); ++y)
        for (int x = 0; x < imageRegle.width(); ++x)
            chiffres += imageRegle.pixelColor(x, y).lightness() < 100;
    EXPECT_GT(chiffres, 100);

    // And what reaches the screen is that picture, at the screen's ratio.
    banc.fenetre->repaint();
    const QImage vueEcran = vue.grab().toImage();
    EXPECT_EQ(vueEcran.devicePixelRatio(), banc.fenetre->devicePixelRatioF());
}

// Lines keep their width in pixels of the layout at any ratio: whole device pixels, with no
// blended edge, so a projector at ratio 2 shows the same crisp grid as a laptop at 1.
TEST(Plateforme, LinesAreCrispAtTheScreensRatio) {
    aide::Banc banc;
    const qreal ratio = banc.fenetre->devicePixelRatioF();
    const QPixmap fenetre = banc.fenetre->grab();
    EXPECT_EQ(fenetre.size(), QSize(qRound(1280 * ratio), qRound(720 * ratio)));

    auto& etat = const_cast<sim::EtatSimulation&>(banc.Etat());
    etat.Elongation.fill(0);
    etat.ElongationPrecedente.fill(0);
    banc.fenetre->Vue().AfficheCorde();
    kit::SurfaceDessin& vue = banc.Surface("Animation");
    const QImage image = vue.Image();
    const QColor entiere(220, 220, 255), demi(240, 240, 255), corde(127, 127, 127);
    // Along the row at y = 1.25 cm: only pure colours, and each grid line as wide as
    // one layout pixel.
    const int ligne = static_cast<int>(vue.echelle().PixelY(1.25) * ratio);
    int largeurEntiere = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, ligne);
        EXPECT_TRUE(c == Qt::white || c == entiere || c == demi)
            << x << " " << c.name().toStdString();
        if (std::abs(x / ratio - vue.echelle().PixelX(3)) < 2 && c == entiere)
            ++largeurEntiere;
    }
    EXPECT_EQ(largeurEntiere, std::max(1L, std::lround(ratio)));
    // The string at rest is two layout pixels thick.
    const int colonne = static_cast<int>(vue.echelle().PixelX(6.2) * ratio);
    int epaisseur = 0;
    for (int y = 0; y < image.height(); ++y)
        epaisseur += image.pixelColor(colonne, y) == corde;
    EXPECT_EQ(epaisseur, std::lround(2 * ratio));
}

// Placed as the program places it: at zoom 1 where the framed window fits the screen,
// else at the largest zoom that fits, and centred, frame included.
TEST(Plateforme, TheFramedWindowFitsTheScreenAndIsCentred) {
    aide::Banc banc(false);
    QWidget& fenetre = *banc.fenetre;
    kit::ZoomFenetre& zoom = *kit::ZoomDe(&fenetre);
    zoom.PlaceSurEcran();
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    const QRect disponible = fenetre.screen()->availableGeometry();
    const auto centree = [&] {
        const QRect cadre = fenetre.frameGeometry();
        return disponible.contains(cadre) &&
               (cadre.center() - disponible.center()).manhattanLength() <= 2;
    };
    const auto encadree = [&] { return fenetre.frameGeometry() != fenetre.geometry(); };
    if (Variable("VIBRA_GESTIONNAIRE")) {
        ASSERT_TRUE(QTest::qWaitFor(encadree, 5000)) << "the window manager framed nothing";
    }
    EXPECT_TRUE(QTest::qWaitFor(centree, 3000))
        << "frame " << fenetre.frameGeometry().x() << "," << fenetre.frameGeometry().y() << " "
        << fenetre.frameGeometry().width() << "x" << fenetre.frameGeometry().height();
    const QSize cadre = fenetre.frameGeometry().size() - fenetre.size();
    EXPECT_DOUBLE_EQ(zoom.Zoom(),
                     std::min(1.0, kit::ZoomQuiTient(disponible.size() - cadre, {1280, 720})));
    if (disponible.width() == 1024) {
        EXPECT_LT(zoom.Zoom(), 0.8) << "a projector's screen less the frame";
    }
}

// A teacher's laptop and its projector: the window moved to a screen of another ratio
// shows the ruler drawn again at that ratio, not a resampled, blurred copy.
TEST(Plateforme, TheRulerIsDrawnAgainOnAScreenOfAnotherRatio) {
    QScreen* autre = nullptr;
    aide::Banc banc;
    for (QScreen* ecran : QGuiApplication::screens())
        if (ecran->devicePixelRatio() != banc.fenetre->devicePixelRatioF())
            autre = ecran;
    if (autre == nullptr) {
        ASSERT_FALSE(Variable("VIBRA_DEUX_ECRANS")) << "this run was to have two screens";
        GTEST_SKIP() << "one screen ratio only";
    }
    kit::SurfaceDessin& regle = banc.Surface("Regle");
    (void)regle.Image();
    banc.fenetre->setScreen(autre);
    banc.fenetre->move(autre->geometry().topLeft());
    QCoreApplication::processEvents();
    const QImage image = regle.Image();
    const qreal ratio = autre->devicePixelRatio();
    ASSERT_EQ(image.devicePixelRatio(), ratio);
    // The 5 cm tick: pure black over exactly two layout pixels, nothing grey beside it.
    const int y = static_cast<int>(regle.echelle().PixelY(0.05) * ratio);
    int noirs = 0, gris = 0;
    const int centre = static_cast<int>(regle.echelle().PixelX(5) * ratio);
    for (int x = centre - 5; x <= centre + 5; ++x) { // the next millimetre ticks are 9 away
        const QColor c = image.pixelColor(x, y);
        noirs += c == Qt::black;
        gris += c != Qt::black && c != QColor(224, 224, 224);
    }
    EXPECT_EQ(noirs, std::lround(2 * ratio));
    EXPECT_EQ(gris, 0);
}

} // namespace
