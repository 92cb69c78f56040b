// SPDX-License-Identifier: GPL-3.0-or-later
#include "commun/AideQt.h"
#include "kit/Zoom.h"
#include "sim/ModeleOnde.h"
#include "sim/Parametres.h"
#include "view/VueCorde.h"

#include <gtest/gtest.h>

namespace {

using aide::GrilleDemi;
using aide::GrilleEntiere;
const QColor Corde = aide::CouleurCorde;
const QColor Bloc(200, 200, 200);

struct VueTest : ::testing::Test {
    aide::Banc banc;
    kit::SurfaceDessin& animation = banc.Surface("Animation");
    sim::EtatSimulation& etat = const_cast<sim::EtatSimulation&>(banc.Etat());
};

TEST_F(VueTest, GridLinesEveryHalfCentimetre) {
    banc.fenetre->Vue().AfficheCorde();
    struct Cas {
        double x, y;
        QColor couleur;
    };
    // Away from the string (at rest on y = 3.5) and from the other lines.
    for (const Cas& c : {Cas{3, 1.25, GrilleEntiere},
                         {3.5, 1.25, GrilleDemi},
                         {0, 6.25, GrilleEntiere},
                         {14.5, 0.75, GrilleDemi},
                         {7.25, 2, GrilleEntiere},
                         {7.25, 2.5, GrilleDemi},
                         {-0.5, 1.0, Qt::white},
                         {3.25, 1.25, Qt::white}})
        EXPECT_TRUE(aide::Contient(animation, c.x, c.y, c.couleur, 0)) << c.x << "," << c.y;
}

using Rangs = std::pair<int, int>;

TEST_F(VueTest, StringAtRestIsAStraightGreyLine) {
    etat.Elongation.fill(0);
    etat.ElongationPrecedente.fill(0);
    banc.fenetre->Vue().AfficheCorde();
    // 3.5 cm is 165.35 px down: two pixels centred there are rows 164 and 165.
    for (double x : {0.5, 2.25, 7.1, 14.9})
        EXPECT_EQ(aide::Rangees(animation, x, Corde), Rangs(164, 165)) << x;
    // The block spans 3.4 to 3.6 cm: rows 161 to 170, outlined in black.
    EXPECT_EQ(aide::Rangees(animation, -0.5, Qt::black), Rangs(161, 170));
    EXPECT_EQ(aide::Rangees(animation, -0.5, Bloc), Rangs(162, 169));
}

TEST_F(VueTest, VibratorMovesAndErasesWhereItWas) {
    etat.Elongation.fill(0);
    etat.Elongation[0] = 3;
    etat.ElongationPrecedente.fill(0);
    etat.ElongationPrecedente[0] = -2;
    banc.fenetre->Vue().AfficheCorde();
    // At 3 cm the block spans 0.4 to 0.6: rows 19 to 28.
    EXPECT_EQ(aide::Rangees(animation, -0.5, Qt::black), Rangs(19, 28));
    EXPECT_EQ(aide::Rangees(animation, -0.5, Bloc), Rangs(20, 27));
    // Where it was (5.4 to 5.6 cm, rows 255 to 265) a white box takes out the grid line
    // at x = 0, and nowhere else.
    EXPECT_EQ(aide::Rangees(animation, 0, Qt::white), Rangs(255, 265));
    // The first segment runs from the top of the block at x = 0 down to the rest line.
    EXPECT_TRUE(aide::Contient(animation, 1 / 24.0, 2.0, Corde, 2));
}

TEST_F(VueTest, HiddenViewIsNotDrawnWhileTicksGoOn) {
    banc.Tick();
    banc.Clique("Image2");
    EXPECT_TRUE(animation.isHidden());
    const QImage avant = animation.Image();
    const int32_t temps = banc.Etat().TempsMs;
    banc.Tick(0.3);
    EXPECT_GT(banc.Etat().TempsMs, temps);
    EXPECT_EQ(animation.Image(), avant);
}

TEST_F(VueTest, ShowingAgainWhilePausedLeavesTheViewBlank) {
    banc.Tick();
    banc.Clique("Image2");
    banc.Clique("Command1");
    banc.Clique("Label4");
    EXPECT_FALSE(animation.isHidden());
    EXPECT_TRUE(aide::Contient(animation, 3, 1.25, Qt::white, 0));
    EXPECT_TRUE(aide::Contient(animation, 5, 3.5, Qt::white, 0));
    banc.Clique("Command3");
    EXPECT_TRUE(aide::Contient(animation, 3, 1.25, GrilleEntiere, 0));
}

// Composing the grid once, restoring only the band the last frame drew and drawing the
// string in one pass must not change one pixel, frame after frame.
TEST_F(VueTest, FastFramesEqualTheFrameDrawnCallByCall) {
    int images = 0;
    for (double zoom : {1.0, 1.5}) {
        kit::ZoomDe(banc.fenetre.get())->ChoisitZoomNormal(zoom);
        // The reference draws on a surface of its own, so the fast path is never disturbed.
        kit::SurfaceDessin surfaceReference(nullptr, animation.echelle(), Qt::white);
        surfaceReference.resize(animation.size());
        view::VueCorde reference(surfaceReference, etat);
        struct Cas {
            int amplitude, deformation, amortissement, celerite;
            bool periodique;
        };
        for (const Cas& c : {Cas{5, 50, 0, 50, true},
                             {30, 90, 10, 200, true},
                             {30, 10, 3, 1, true},
                             {0, 50, 0, 50, true},
                             {30, 50, 0, 20, false},
                             {17, 50, 5, 7, false}}) {
            etat.AmplitudeCm = sim::AmplitudeDepuisBarre(c.amplitude);
            etat.AmplitudeSolitonCm = 3.0f;
            etat.CoefDeformation = sim::CoefDeformationDepuisBarre(c.deformation);
            etat.CoefAmortissement = sim::CoefAmortissementDepuisBarre(c.amortissement);
            etat.Celerite = sim::CeleriteDepuisBarre(c.celerite);
            etat.FormeSoliton = 1;
            etat.DebutSoliton = 0.25;
            for (int32_t ms = 0; ms < 1500; ms += 37) {
                etat.TempsMs = ms;
                sim::CalculeModele(etat, c.periodique);
                banc.fenetre->Vue().AfficheCorde();
                reference.AfficheCordeSansCache();
                ASSERT_EQ(animation.Image(), surfaceReference.Image()) << zoom << " " << ms;
                ++images;
            }
        }
    }
    EXPECT_EQ(images, 2 * 6 * 41);
}

// Frozen after a step, the snapshot is the string of that tick: it hides wholly under the
// live string, and after the next step shows only where that string was. Kept across a new
// zoom and a new speed, drawn as the call-by-call frame draws it; cleared, the view is the
// frame as if there had been none; reset, none is kept.
TEST_F(VueTest, AFrozenStringIsTheStringOfItsTickAndLeavesNoTrace) {
    auto& vue = banc.fenetre->Vue();
    const QColor teinte = kit::Couleur(kit::AspectsFiges[0]);
    const auto compte = [](const QImage& image, QColor couleur) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == couleur;
        return n;
    };
    // The call-by-call frame, on a surface of its own, frozen at the same tick.
    kit::SurfaceDessin surfaceReference(nullptr, animation.echelle(), Qt::white);
    surfaceReference.resize(animation.size());
    surfaceReference.setFont(animation.font()); // the times' labels'
    view::VueCorde reference(surfaceReference, etat);
    banc.Tick(1.37);
    banc.Clique("Command3"); // a step
    const QImage avant = animation.Image();
    vue.Fige();
    reference.Fige();
    ASSERT_EQ(vue.Aspects().size(), 1u);
    EXPECT_DOUBLE_EQ(vue.Aspects()[0].secondes, etat.TempsMs / 1000.0);
    const QImage fige = animation.Image();
    const int bandeLegende = static_cast<int>(animation.echelle().PixelY(0.6));
    int ailleurs = 0, legende = 0;
    for (int y = 0; y < fige.height(); ++y)
        for (int x = 0; x < fige.width(); ++x)
            if (fige.pixel(x, y) != avant.pixel(x, y))
                ++(y < bandeLegende ? legende : ailleurs);
    EXPECT_EQ(ailleurs, 0) << "under the live string of its own tick, nothing of it shows";
    EXPECT_GT(legende, 20) << "its time is written";

    banc.Clique("Command3"); // a step
    const QImage apres = animation.Image();
    int horsCorde = 0;
    for (int y = bandeLegende; y < apres.height(); ++y)
        for (int x = 0; x < apres.width(); ++x)
            if (apres.pixelColor(x, y) == teinte && avant.pixelColor(x, y) != Corde)
                ++horsCorde;
    EXPECT_GT(compte(apres, teinte), 200);
    EXPECT_EQ(horsCorde, 0) << "it shows only where the string of its tick was";

    // Another speed and a few steps: still there, as the call-by-call frame draws it.
    banc("CeleriteOnde")->setProperty("value", 100);
    for (int pas = 0; pas < 3; ++pas)
        banc.Clique("Command3");
    reference.AfficheCordeSansCache();
    EXPECT_EQ(animation.Image(), surfaceReference.Image());
    kit::ZoomDe(banc.fenetre.get())->ChoisitZoomNormal(1.5);
    banc.Clique("Command3"); // a step
    EXPECT_GT(compte(animation.Image(), teinte), 300) << "and at another zoom";
    kit::ZoomDe(banc.fenetre.get())->ChoisitZoomNormal(1.0);
    banc.Clique("Command3"); // a step

    vue.EffaceAspects();
    view::VueCorde sansAspect(surfaceReference, etat);
    sansAspect.AfficheCordeSansCache();
    EXPECT_EQ(animation.Image(), surfaceReference.Image()) << "cleared: as if there were none";
    EXPECT_TRUE(aide::CommeRedessine(&animation));

    for (int n = 0; n < 4; ++n)
        vue.Fige();
    EXPECT_EQ(vue.Aspects().size(), view::VueCorde::AspectsMax) << "a fourth replaces the oldest";
    banc.fenetre->Reinitialise();
    EXPECT_TRUE(vue.Aspects().empty()) << "reset lets them go";
}

// The rasteriser against its rule worked out independently, with floors and no shortcut:
// across a line of width w, the pixels whose centres lie within w/2 of the segment (one on a
// pixel edge takes the pixel after it); along it, one column at the centre of each pixel
// from the pixel holding one end to the pixel holding the other. The string's usual case, a
// line well inside the picture, goes through the fast path.
TEST(Rasteriseur, LinesInsideThePictureFollowTheirRuleColumnByColumn) {
    kit::SurfaceDessin surface(nullptr, kit::Echelle{}, Qt::white); // a unit is a pixel
    surface.resize(66, 50);
    struct Cas {
        double x1, y1, x2, y2;
        int largeur;
    };
    for (const Cas& c :
         {Cas{10, 20.25, 30, 25.25, 1}, Cas{10, 20.25, 30, 25.25, 2}, Cas{3.7, 30.5, 60.2, 12.1, 3},
          Cas{20.5, 5.5, 27.0, 40.9, 2}, Cas{40.0, 44.0, 31.3, 6.0, 1}, Cas{5, 10, 50, 10, 2}}) {
        surface.Efface();
        surface.LargeurTrait(c.largeur);
        surface.Ligne(float(c.x1), float(c.y1), float(c.x2), float(c.y2), Qt::black);
        QImage attendue(surface.Image().size(), QImage::Format_RGB32);
        attendue.fill(Qt::white);
        const bool selonX = std::abs(c.x2 - c.x1) >= std::abs(c.y2 - c.y1);
        // Along the major axis a, across it b.
        double a1 = selonX ? c.x1 : c.y1, b1 = selonX ? c.y1 : c.x1;
        double a2 = selonX ? c.x2 : c.y2, b2 = selonX ? c.y2 : c.x2;
        if (a1 > a2) {
            std::swap(a1, a2);
            std::swap(b1, b2);
        }
        for (int a = int(std::floor(a1)); a <= int(std::floor(a2)); ++a) {
            const double centre = std::clamp(a + 0.5, a1, a2);
            const double b = b1 + (centre - a1) * (b2 - b1) / (a2 - a1);
            const int premier = int(std::floor(b - c.largeur / 2.0 - 0.5)) + 1;
            for (int i = premier; i < premier + c.largeur; ++i)
                attendue.setPixel(selonX ? a : i, selonX ? i : a, qRgb(0, 0, 0));
        }
        EXPECT_EQ(surface.Image().convertToFormat(QImage::Format_RGB32), attendue)
            << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2 << " width " << c.largeur;
    }
    // Worked by hand: width 1 from (10, 20.25) to (30, 25.25), column 10 samples y = 20.375
    // and takes row 20; column 29 samples y = 25.125 and takes row 25.
    surface.Efface();
    surface.LargeurTrait(1);
    surface.Ligne(10, 20.25f, 30, 25.25f, Qt::black);
    EXPECT_EQ(surface.Image().pixelColor(10, 20), Qt::black);
    EXPECT_EQ(surface.Image().pixelColor(10, 19), Qt::white);
    EXPECT_EQ(surface.Image().pixelColor(29, 25), Qt::black);
    EXPECT_EQ(surface.Image().pixelColor(29, 26), Qt::white);
}

} // namespace
