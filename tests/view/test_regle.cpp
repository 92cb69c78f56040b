// SPDX-License-Identifier: GPL-3.0-or-later
#include "commun/AideQt.h"

#include <gtest/gtest.h>

namespace {

// Black pixels in a column of the ruler image, from the top edge down.
int LongueurNoire(const QImage& image, int colonne) {
    int y = 0;
    while (y < image.height() && image.pixelColor(colonne, y) == Qt::black)
        ++y;
    return y;
}

TEST(Regle, TicksNumbersAndCaption) {
    aide::Banc banc;
    kit::SurfaceDessin& regle = banc.Surface("Regle");
    const QImage image = regle.Image();
    const auto colonne = [&](double x) { return static_cast<int>(regle.echelle().PixelX(x)); };
    // Millimetre ticks hang 0.1 cm, centimetre ticks 0.2 cm and are two pixels wide.
    const int millimetre = static_cast<int>(regle.echelle().PixelY(0.1));
    const int centimetre = static_cast<int>(regle.echelle().PixelY(0.2));
    for (double x : {0.3, 4.7, 12.1})
        EXPECT_NEAR(LongueurNoire(image, colonne(x)), millimetre, 1) << x;
    for (int x : {0, 5, 14}) {
        const int c = static_cast<int>(std::round(regle.echelle().PixelX(x)));
        EXPECT_NEAR(LongueurNoire(image, c), centimetre, 1) << x;
        EXPECT_NEAR(LongueurNoire(image, c - 1), centimetre, 1) << x;
        EXPECT_EQ(image.pixelColor(c + 1, 1), QColor(224, 224, 224)) << x;
    }
    // Each number stands under its tick, below the ticks and above the caption.
    const auto foncesDans = [&](double x0, double x1) {
        int noirs = 0;
        for (int y = static_cast<int>(regle.echelle().PixelY(0.22));
             y < static_cast<int>(regle.echelle().PixelY(0.6)); ++y)
            for (int c = colonne(x0); c < colonne(x1); ++c)
                noirs += image.pixelColor(c, y).lightness() < 100; // antialiased glyphs
        return noirs;
    };
    for (int x : {0, 1, 9, 14})
        EXPECT_GT(foncesDans(x - 0.25, x + 0.25), 8) << x;
    EXPECT_EQ(foncesDans(-1.5, -0.3), 0);
    EXPECT_EQ(image.pixelColor(colonne(-1), 5), QColor(224, 224, 224));
    EXPECT_EQ(banc.operator()<QWidget>("Label2")->parentWidget(), &regle);
}

TEST(Regle, SurvivesBeingCoveredAndShown) {
    aide::Banc banc;
    kit::SurfaceDessin& regle = banc.Surface("Regle");
    const QImage avant = regle.Image();
    banc.fenetre->hide();
    banc.fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(banc.fenetre.get()));
    const QImage ecran = regle.grab().toImage();
    const int x = 1 + static_cast<int>(std::round(regle.echelle().PixelX(5)));
    EXPECT_EQ(ecran.pixelColor(x, 2), Qt::black);
    EXPECT_EQ(regle.Image(), avant);
}

} // namespace
