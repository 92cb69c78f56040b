// SPDX-License-Identifier: GPL-3.0-or-later
#include "commun/AideQt.h"
#include "kit/Controles.h"
#include "sim/ModeleOnde.h"

#include <QAction>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

// What both windows show, and their settings.
struct Photo {
    QImage corde, ecran;
    std::string reglages;
};
// Which part differs, said.
::testing::AssertionResult Pareilles(const Photo& a, const Photo& b) {
    if (a.reglages != b.reglages)
        return ::testing::AssertionFailure() << a.reglages << "\n---\n" << b.reglages;
    for (auto [x, y, nom] : {std::tuple{&a.corde, &b.corde, "string view"},
                             std::tuple{&a.ecran, &b.ecran, "oscilloscope"}}) {
        int differents = 0;
        for (int j = 0; j < std::min(x->height(), y->height()); ++j)
            for (int i = 0; i < std::min(x->width(), y->width()); ++i)
                differents += x->pixel(i, j) != y->pixel(i, j);
        if (differents > 0 || x->size() != y->size())
            return ::testing::AssertionFailure() << nom << ": " << differents << " pixels differ";
    }
    return ::testing::AssertionSuccess();
}
Photo Photographie(aide::Banc& banc) {
    return {banc.Surface("Animation").Image(), banc.Surface("Oscillo").Image(),
            sim::EcritLecon(banc.fenetre->Lecon())};
}

struct LeconsTest : ::testing::Test {
    QTemporaryDir dossier;
    QString Chemin(const char* nom) const { return dossier.filePath(QString::fromUtf8(nom)); }
    static void Prepare(aide::Banc& banc) {
        banc.operator()<QScrollBar>("freq")->setValue(20);
        banc.operator()<QScrollBar>("CeleriteOnde")->setValue(100);
        banc.Choisit("Extremite(1)");
        banc.Clique("Label21");
        banc.Clique("ActiveCapteur1");
        banc.Clique("ActiveCapteur2");
        banc.operator()<kit::Marqueur>("Capteur2")->Deplace(8);
        banc.Choisit("Sens(0)");
        for (int tick = 0; tick < 77; ++tick)
            banc.Tick();
        // What a lesson saves and what a new one lets go: the reference line, kept traces.
        // (The menus' entries: of two windows, only the active one has its keys.)
        const auto entree = [&banc](const char* surface, const QString& texte) {
            for (QAction* action : banc.Surface(surface).actions())
                if (action->text() == texte)
                    action->trigger();
        };
        entree("Animation", "Ligne de référence");
        banc.fenetre->Reference().Place(1.25);
        entree("Oscillo", "Garder les traces");
        EXPECT_TRUE(banc.fenetre->Traces().Gardees().has_value());
        banc.Tick();
    }
};

// Saved, opened again here and in a window just opened: the same settings, and pixel for
// pixel the same screens after the same ticks, the clock from zero in both.
TEST_F(LeconsTest, ASavedLessonOpensAsTheSameWindow) {
    aide::Banc ici, ailleurs;
    Prepare(ici);
    ASSERT_EQ(ici.fenetre->EnregistreLecon(Chemin("deux-capteurs")), "");
    QFile fichier(Chemin("deux-capteurs.vibraligne"));
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly)) << "the extension added";
    const QByteArray texte = fichier.readAll();
    EXPECT_TRUE(texte.startsWith("vibraLIGNE-lecon 1\n")) << texte.constData();
    EXPECT_EQ(ici.fenetre->Outils().Confirmation().text(), "Enregistré : deux-capteurs.vibraligne")
        << "a saved lesson is confirmed as every other file";
    EXPECT_TRUE(texte.contains("frequence = 2 Hz\n")) << texte.constData();
    EXPECT_TRUE(texte.contains("capteur2 = 8 cm")) << texte.constData();
    EXPECT_TRUE(texte.endsWith("\nligne-de-reference = 1.25 cm\n")) << texte.constData();
    for (aide::Banc* banc : {&ici, &ailleurs}) {
        ASSERT_EQ(banc->fenetre->OuvreLecon(Chemin("deux-capteurs.vibraligne")), "");
        EXPECT_EQ(banc->Etat().TempsMs, 0) << "the clock from zero";
    }
    for (int tick = 0; tick < 150; ++tick) {
        ici.Tick();
        ailleurs.Tick();
    }
    EXPECT_TRUE(Pareilles(Photographie(ici), Photographie(ailleurs)));
    EXPECT_EQ(ici.Etat().Frequence, 2.0);
    EXPECT_EQ(ailleurs.Etat().Extremite, sim::ExtremiteFixe);
}

// A bad file: its name, its line and what is wrong, and the lesson in progress untouched;
// Ctrl+O and Ctrl+L go through the dialogs; Ctrl+R is the window as it opened.
TEST_F(LeconsTest, ABadLessonChangesNothingAndResetIsTheWindowAsItOpened) {
    aide::Banc banc, neuve;
    Prepare(banc);
    QStringList messages;
    banc.fenetre->signaleLecon = [&](const QString& m) { messages << m; };
    banc.fenetre->demandeLecon = [this](bool, mesure::SuiteOuverture suite) {
        suite(Chemin("faute.vibraligne"));
    };
    QFile faute(Chemin("faute.vibraligne"));
    ASSERT_TRUE(faute.open(QIODevice::WriteOnly));
    faute.write(QByteArray::fromStdString(sim::EcritLecon(sim::Lecon{}))
                    .replace("celerite = 5 cm/s", "celerite = 50 cm/s"));
    faute.close();
    banc.fenetre->activateWindow(); // the keys go to the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(banc.fenetre.get()));
    const Photo avant = Photographie(banc);
    const int32_t temps = banc.Etat().TempsMs;
    QTest::keySequence(banc.fenetre.get(), QKeySequence(Qt::CTRL | Qt::Key_O));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "La leçon « faute.vibraligne » n'a pas été ouverte : ligne 8 : "
                           "valeur hors limites pour « celerite » (permis : 0.1 .. 20 cm/s).");
    EXPECT_TRUE(Pareilles(Photographie(banc), avant));
    EXPECT_EQ(banc.Etat().TempsMs, temps);

    banc.fenetre->demandeLecon = [this](bool, mesure::SuiteOuverture suite) {
        suite(Chemin("par-touches"));
    };
    QTest::keySequence(banc.fenetre.get(), QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_TRUE(QFile::exists(Chemin("par-touches.vibraligne")));

    QTest::keySequence(banc.fenetre.get(), QKeySequence(Qt::CTRL | Qt::Key_R));
    neuve.fenetre->Reinitialise();
    EXPECT_EQ(sim::EcritLecon(banc.fenetre->Lecon()), sim::EcritLecon(sim::Lecon{}));
    for (int tick = 0; tick < 50; ++tick) {
        banc.Tick();
        neuve.Tick();
    }
    EXPECT_TRUE(Pareilles(Photographie(banc), Photographie(neuve)));
    EXPECT_EQ(messages.size(), 1);
}

} // namespace
