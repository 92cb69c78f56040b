// SPDX-License-Identifier: GPL-3.0-or-later
#include "commun/AideQt.h"
#include "kit/Langue.h"
#include "kit/Zoom.h"
#include "mesure/Fichiers.h"
#include "sim/Excitation.h"
#include "sim/ModeleOnde.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

struct OutilsTest : ::testing::Test {
    aide::Banc banc;
    QTemporaryDir dossier;
    mesure::OutilsLecon& outils = banc.fenetre->Outils();
    QStringList erreurs;

    void SetUp() override {
        outils.signaleErreur = [this](const QString& message) { erreurs << message; };
    }
    QString Chemin(const char* nom) const { return dossier.filePath(QString::fromUtf8(nom)); }
    static QByteArray Contenu(const QString& chemin) {
        QFile fichier(chemin);
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    }
    // The numbers of a readout, in the order they appear.
    static std::vector<double> Nombres(const QString& texte) {
        std::vector<double> nombres;
        static const QRegularExpression nombre(QStringLiteral("-?\\d+,\\d+"));
        for (const auto& m : nombre.globalMatch(texte))
            nombres.push_back(m.captured().replace(',', '.').toDouble());
        return nombres;
    }
#ifdef VIBRA_LIT_TABLEUR
    // What a spreadsheet reads in a file, as lit_tableur.py prints it.
    static QJsonObject Tableur(const char* mode, const QString& chemin) {
        QProcess lecteur;
        lecteur.start("/usr/bin/python3", {VIBRA_LIT_TABLEUR, mode, chemin});
        EXPECT_TRUE(lecteur.waitForFinished(180000));
        EXPECT_EQ(lecteur.exitCode(), 0) << lecteur.readAllStandardError().toStdString();
        return QJsonDocument::fromJson(lecteur.readAllStandardOutput()).object();
    }
#endif
    void Survole(kit::SurfaceDessin& s, double x, double y, Qt::MouseButtons boutons = {}) {
        QMouseEvent evenement(QEvent::MouseMove, s.VersWidget(x, y),
                              s.mapToGlobal(s.VersWidget(x, y)), Qt::NoButton, boutons, {});
        QCoreApplication::sendEvent(&s, &evenement);
    }
};

TEST_F(OutilsTest, TheCsvHoldsTheModelsValuesAtEachTick) {
    banc.horloge.secondes = 36005;
    banc.Tick(0);
    banc.Clique("Label21");        // the screen is cleared: the samples start from here
    banc.Clique("ActiveCapteur1"); // at 3.32 cm: point 40
    banc.Clique("ActiveCapteur2");
    // Sensor 2 at point 52: one cm, 0.2 s at 5 cm/s, further on.
    emit banc.Surface("Animation").survolGlisser(banc("Capteur2"), 52 / 12.0f, 0);
    for (int tick = 0; tick < 300; ++tick)
        banc.Tick();
    ASSERT_TRUE(outils.EnregistreMesures(Chemin("mesures.csv")).isEmpty());
    const QByteArray texte = Contenu(Chemin("mesures.csv"));
    EXPECT_TRUE(texte.startsWith("t (s);y1 (cm);y2 (cm)\n\"0,010\";\"")) << texte.left(40).data();
    const auto lignes = sim::LitCsvMesures(texte.toStdString(), sim::CsvFrancais);
    ASSERT_TRUE(lignes.has_value());
    ASSERT_EQ(lignes->size(), 300u);
    sim::EtatSimulation modele = banc.Etat();
    double plusGrand = 0;
    std::vector<double> sommets;
    for (size_t i = 0; i < lignes->size(); ++i) {
        const sim::Echantillon& e = (*lignes)[i];
        EXPECT_NEAR(e.tempsS, 0.01 * static_cast<double>(i + 1), 1e-9);
        modele.TempsMs = static_cast<int32_t>(36005000 + std::lround(e.tempsS * 1000));
        sim::CalculeModele(modele, true);
        ASSERT_TRUE(e.capteur1 && e.capteur2);
        EXPECT_NEAR(*e.capteur1, modele.Elongation[40], 5e-5) << i;
        EXPECT_NEAR(*e.capteur2, modele.Elongation[52], 5e-5) << i;
        if (i >= 20) { // sensor 2 shows what sensor 1 showed 0.2 s before
            EXPECT_NEAR(*e.capteur2, *(*lignes)[i - 20].capteur1, 1e-4) << i;
        }
        plusGrand = std::max(plusGrand, *e.capteur1);
        if (i > 0 && i + 1 < lignes->size() && *e.capteur1 > *(*lignes)[i - 1].capteur1 &&
            *e.capteur1 >= *(*lignes)[i + 1].capteur1)
            sommets.push_back(e.tempsS);
    }
    EXPECT_NEAR(plusGrand, 0.5, 1e-3) << "the amplitude";
    ASSERT_GE(sommets.size(), 2u);
    EXPECT_NEAR(sommets[1] - sommets[0], 1.0, 0.011) << "the period";

    // In English, a point and commas, the same numbers.
    kit::InstalleLangue(kit::Langue::Anglais);
    const QString raison = outils.EnregistreMesures(Chemin("measurements.csv"));
    kit::InstalleLangue(kit::Langue::Francais);
    ASSERT_TRUE(raison.isEmpty());
    const QByteArray anglais = Contenu(Chemin("measurements.csv"));
    EXPECT_TRUE(anglais.startsWith("t (s),y1 (cm),y2 (cm)\n\"0.010\",\""));
    const auto relues = sim::LitCsvMesures(anglais.toStdString(), sim::CsvAnglais);
    ASSERT_TRUE(relues.has_value());
    EXPECT_EQ(relues->size(), lignes->size());
    EXPECT_EQ(relues->back().capteur2, lignes->back().capteur2);

#ifdef VIBRA_LIT_TABLEUR
    // As a spreadsheet reads them: numbers in their cells, the model's values at the times.
    const auto lignesDe = [](const QJsonObject& lu, const char* feuille) {
        return lu["feuilles"].toObject()[feuille].toArray();
    };
    // LibreOffice's import dialog as it opens, in French: tab, comma and semicolon.
    const QJsonArray calc = lignesDe(Tableur("csv", Chemin("mesures.csv")), "mesures");
    ASSERT_EQ(calc.size(), 301);
    for (qsizetype i = 1; i < calc.size(); ++i) {
        const QJsonArray ligne = calc[i].toArray();
        ASSERT_EQ(ligne.size(), 3) << i;
        EXPECT_NEAR(ligne[0].toDouble(), (*lignes)[size_t(i - 1)].tempsS, 1e-12) << i;
        EXPECT_NEAR(ligne[1].toDouble(-99), *(*lignes)[size_t(i - 1)].capteur1, 1e-12) << i;
        EXPECT_NEAR(ligne[2].toDouble(-99), *(*lignes)[size_t(i - 1)].capteur2, 1e-12) << i;
    }
    ASSERT_TRUE(outils.EnregistreMesures(Chemin("mesures")).isEmpty()) << "a workbook first";
    const QJsonObject classeur = Tableur("classeur", Chemin("mesures.xlsx"));
    const QJsonArray cellules = lignesDe(classeur, "Mesures");
    ASSERT_EQ(cellules.size(), 301);
    EXPECT_EQ(cellules[0].toArray(), QJsonArray({"t (s)", "y1 (cm)", "y2 (cm)"}));
    for (qsizetype i = 1; i < cellules.size(); ++i) {
        const QJsonArray ligne = cellules[i].toArray();
        modele.TempsMs = static_cast<int32_t>(36005000 + 10 * i);
        sim::CalculeModele(modele, true);
        EXPECT_DOUBLE_EQ(ligne[0].toDouble(), 0.01 * static_cast<double>(i)) << i;
        EXPECT_NEAR(ligne[1].toDouble(-99), modele.Elongation[40], 1e-12) << i;
        EXPECT_NEAR(ligne[2].toDouble(-99), modele.Elongation[52], 1e-12) << i;
    }
    EXPECT_EQ(classeur["graphiques"].toInt(), 1);
    EXPECT_EQ(classeur["series"].toInt(), 2);
    const QJsonArray reglages = lignesDe(classeur, "Réglages");
    EXPECT_EQ(reglages[0].toArray(), QJsonArray({"Fréquence (Hz)", 1}));
    EXPECT_EQ(reglages[8].toArray(), QJsonArray({"Capteur 2 (cm)", 52 / 12.0}));
#endif

    // The string's profile: the drawn points of the current frame.
    ASSERT_TRUE(outils.EnregistreProfil(Chemin("profil.csv")).isEmpty());
    const QList<QByteArray> profil = Contenu(Chemin("profil.csv")).split('\n');
    EXPECT_EQ(profil.first(), "x (cm);y (cm)");
    EXPECT_EQ(profil.size(), 1 + 185 + 1);
    EXPECT_TRUE(profil[13].startsWith("\"1,0000\";\""));
}

// Two shapes frozen by their key, a few steps apart: the readout gives a shape's own y where
// the pointer stands on it, the profile carries each as a column named by its time, and a
// screen reader hears each with its time.
TEST_F(OutilsTest, FrozenShapesAreReadSavedAndHeard) {
    auto& vue = banc.Surface("Animation");
    QAccessibleInterface* lue = QAccessible::queryAccessibleInterface(&vue);
    const QString description = lue->text(QAccessible::Description);
    banc.Tick(2.0);
    for (int pas = 0; pas < 2; ++pas) {
        banc.Clique("Command3");
        QTest::keyClick(banc.fenetre.get(), Qt::Key_F, Qt::ControlModifier);
        for (int n = 0; n < 5; ++n)
            banc.Clique("Command3");
    }
    const auto& aspects = banc.fenetre->Vue().Aspects();
    ASSERT_EQ(aspects.size(), 2u);
    for (const auto& aspect : aspects) {
        const double y = aspect.elongations[36];
        ASSERT_GT(std::abs(y - banc.Etat().Elongation[36]), 0.2) << "apart from the live string";
        Survole(vue, 3.0, sim::OrdonneeRepos - y);
        const QString texte = outils.SurLaCorde().Texte();
        EXPECT_TRUE(texte.contains(QLocale().toString(aspect.secondes, 'f', 2)))
            << texte.toStdString();
        EXPECT_NEAR(Nombres(texte).back(), y, 0.005) << texte.toStdString();
    }

    ASSERT_TRUE(outils.EnregistreProfil(Chemin("profil.csv")).isEmpty());
    const QList<QByteArray> profil = Contenu(Chemin("profil.csv")).split('\n');
    const auto temps = [&](size_t n) {
        return QLocale().toString(aspects[n].secondes, 'f', 3).toStdString();
    };
    EXPECT_EQ(profil.first().toStdString(),
              "x (cm);y (cm);y à t = " + temps(0) + " s (cm);y à t = " + temps(1) + " s (cm)");
    const QList<QByteArray> ligne = profil[1 + 36].split(';');
    ASSERT_EQ(ligne.size(), 4);
    for (size_t n = 0; n < 2; ++n)
        EXPECT_EQ(ligne[2 + static_cast<int>(n)].toStdString(),
                  '"' + sim::NombreCsv(aspects[n].elongations[36], 4, sim::CsvFrancais) + '"');

    EXPECT_EQ(
        lue->text(QAccessible::Description).toStdString(),
        "Aspect figé 1 : t = " + QLocale().toString(aspects[0].secondes, 'f', 2).toStdString() +
            " s ; Aspect figé 2 : t = " +
            QLocale().toString(aspects[1].secondes, 'f', 2).toStdString() + " s");
    QTest::keyClick(banc.fenetre.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(aspects.empty());
    EXPECT_EQ(lue->text(QAccessible::Description), description) << "the view's own again";
}

// The lesson of a new medium: a pulse's traces kept, the wave speed doubled, a pulse again.
// The kept traces stay through the sweeps after; the file carries both, and the delay between
// the sensors read from it halves.
TEST_F(OutilsTest, KeptTracesOutliveANewWaveSpeedAndHalveTheirDelayInTheFile) {
    auto& ecran = banc.Surface("Oscillo");
    const auto pixels = [&ecran](kit::Rgb couleur) {
        const QImage image = ecran.Image();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == kit::Couleur(couleur).rgb();
        return n;
    };
    banc.Clique("Label21");
    banc.Clique("ActiveCapteur1"); // at point 40
    banc.Clique("ActiveCapteur2");
    emit banc.Surface("Animation").survolGlisser(banc("Capteur2"), 76 / 12.0f, 0); // 3 cm on
    banc.Clique("Label17");
    const auto impulsion = [this] {
        banc.Clique("Command5");
        for (int tick = 0; tick < 200; ++tick)
            banc.Tick();
    };
    impulsion();
    QTest::keyClick(banc.fenetre.get(), Qt::Key_G, Qt::ControlModifier);
    ASSERT_TRUE(banc.fenetre->Traces().Gardees().has_value());
    EXPECT_GT(pixels(kit::TraceGardee1), 100) << "the traces on screen, faded at once";
    EXPECT_EQ(pixels(kit::TraceCapteur1), 0);
    banc.operator()<QScrollBar>("CeleriteOnde")->setValue(100); // 10 cm/s
    for (int tick = 0; tick < 400; ++tick)                      // past the end of the sweep
        banc.Tick();
    impulsion();
    EXPECT_GT(pixels(kit::TraceGardee2), 100) << "kept through a new sweep";
    EXPECT_GT(pixels(kit::TraceCapteur2), 100);

    ASSERT_TRUE(outils.EnregistreMesures(Chemin("mesures.csv")).isEmpty());
    std::vector<sim::Echantillon> gardees;
    const auto vivantes = sim::LitCsvMesures(Contenu(Chemin("mesures.csv")).toStdString(),
                                             sim::CsvFrancais, &gardees);
    ASSERT_TRUE(vivantes.has_value());
    // The delay between the peaks at the two sensors.
    const auto retard = [](const std::vector<sim::Echantillon>& releve) {
        std::array<double, 2> sommet{}, temps{};
        for (const sim::Echantillon& e : releve)
            for (size_t n = 0; n < 2; ++n)
                if (const auto y = n == 0 ? e.capteur1 : e.capteur2; y && *y > sommet[n]) {
                    sommet[n] = *y;
                    temps[n] = e.tempsS;
                }
        return temps[1] - temps[0];
    };
    EXPECT_NEAR(retard(gardees), 0.6, 0.011) << "3 cm at 5 cm/s";
    EXPECT_NEAR(retard(*vivantes), retard(gardees) / 2, 0.011);

#ifdef VIBRA_LIT_TABLEUR
    ASSERT_TRUE(outils.EnregistreMesures(Chemin("mesures.xlsx")).isEmpty());
    const QJsonObject classeur = Tableur("classeur", Chemin("mesures.xlsx"));
    const QJsonObject feuilles = classeur["feuilles"].toObject();
    const QJsonArray annexe = feuilles["Traces gardées"].toArray();
    ASSERT_EQ(annexe.size(), static_cast<qsizetype>(gardees.size()) + 1);
    EXPECT_EQ(annexe[0].toArray().toVariantList().mid(0, 3),
              QVariantList({"t gardé (s)", "y1 gardé (cm)", "y2 gardé (cm)"}));
    EXPECT_EQ(annexe[3].toArray()[4], "Célérité (cm/s)");
    EXPECT_EQ(annexe[3].toArray()[5], 5) << "the speed they were made at";
    EXPECT_EQ(feuilles["Réglages"].toArray()[3].toArray(), QJsonArray({"Célérité (cm/s)", 10}));
    EXPECT_EQ(classeur["series"].toInt(), 4);
#endif

    banc.Choisit("Sens(0)"); // 0.2 s per division: the kept ones drawn again on its scale
    for (int tick = 0; tick < 250; ++tick) // into the next sweep, begun at a tick
        banc.Tick();
    EXPECT_GT(pixels(kit::TraceGardee1), 100);
    const auto vivants = std::pair(pixels(kit::TraceCapteur1), pixels(kit::TraceCapteur2));
    EXPECT_GT(vivants.second, 50);
    QTest::keyClick(banc.fenetre.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pixels(kit::TraceGardee1) + pixels(kit::TraceGardee2), 0);
    EXPECT_EQ(std::pair(pixels(kit::TraceCapteur1), pixels(kit::TraceCapteur2)), vivants)
        << "the live traces as they were";
    EXPECT_TRUE(aide::CommeRedessine(&ecran));
}

TEST_F(OutilsTest, AFailedWriteTellsWhyAndKeepsWhatWasThere) {
    banc.Clique("Label21");
    banc.Clique("ActiveCapteur1");
    for (int tick = 0; tick < 200; ++tick)
        banc.Tick();
    const QImage trace = banc.Surface("Oscillo").Image();

    // Through the keys and the dialog, into a folder that is not there.
    outils.demandeChemin = [this](const QString& titre, const QString&, const QStringList&,
                                  const QString& filtre, mesure::SuiteEnregistrement suite) {
        EXPECT_EQ(titre, "Enregistrer les mesures…");
        suite(Chemin("absent/mesures.csv"), filtre);
    };
    QTest::keyClick(banc.fenetre.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(erreurs.size(), 1);
    EXPECT_EQ(erreurs[0], "Impossible d'enregistrer « mesures.csv » : le dossier « " +
                              QDir::toNativeSeparators(Chemin("absent")) + " » n'existe pas.");
    // Each cause named as it is.
    ASSERT_TRUE(QDir(dossier.path()).mkdir("classe.csv"));
    EXPECT_EQ(outils.EnregistreMesures(Chemin("classe.csv")), "c'est le nom d'un dossier");
#ifndef _WIN32
    // Even root cannot create a file there.
    EXPECT_EQ(outils.EnregistreMesures("/proc/mesures.csv"), "le dossier est protégé en écriture");
#endif

    // A write that fails (Linux: half way, the file size limit standing for a full disk;
    // Windows: the old file read-only, refused before writing): the existing file is
    // untouched and no temporary file is left.
    QFile existant(Chemin("mesures.csv"));
    ASSERT_TRUE(existant.open(QIODevice::WriteOnly));
    existant.write("ancien");
    existant.close();
#ifdef _WIN32
    ASSERT_TRUE(existant.setPermissions(QFileDevice::ReadOwner));
    const QString raison = outils.EnregistreMesures(Chemin("mesures.csv"));
    ASSERT_TRUE(existant.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
#else
    rlimit limite{}, avant{};
    getrlimit(RLIMIT_FSIZE, &avant);
    limite = avant;
    limite.rlim_cur = 64;
    const auto signalAvant = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limite);
    const QString raison = outils.EnregistreMesures(Chemin("mesures.csv"));
    setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, signalAvant);
#endif
#ifdef _WIN32
    EXPECT_EQ(raison, "le fichier existant est protégé en écriture");
#else
    EXPECT_EQ(raison, "l'écriture a échoué (disque plein ou fichier trop grand)");
#endif
    EXPECT_EQ(Contenu(Chemin("mesures.csv")), "ancien");
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"mesures.csv"});
    EXPECT_TRUE(outils.Confirmation().isHidden()) << "no word of a save that failed";
    // Written again, it replaces the old file whole (a rename over an existing file, which
    // Windows refuses unless asked to replace).
    EXPECT_EQ(outils.EnregistreMesures(Chemin("mesures.csv")), "");
    EXPECT_TRUE(Contenu(Chemin("mesures.csv")).startsWith("t (s);y1 (cm);y2 (cm)"));
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"mesures.csv"});

    EXPECT_EQ(mesure::EcritFichier(dossier.path() + "/", "x"), "aucun nom de fichier");
    // Nothing on screen was lost, and the lesson goes on.
    EXPECT_EQ(banc.Surface("Oscillo").Image(), trace);
    EXPECT_TRUE(banc.fenetre->Timer1().isActive());
}

TEST_F(OutilsTest, TheCopiedPictureIsTheWindowsPixelsWithoutThePointersReadout) {
    banc.Clique("Label21");
    auto& vue = banc.Surface("Animation");
    Survole(vue, 3.0, 2.0);
    ASSERT_FALSE(outils.SurLaCorde().Texte().isEmpty());
    const QImage avecLecture = banc.fenetre->grab().toImage();
    QTest::keyClick(banc.fenetre.get(), Qt::Key_C, Qt::ControlModifier);
    const QImage copie = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copie.size(), QSize(1280, 720));
    QEvent depart(QEvent::Leave);
    QCoreApplication::sendEvent(&vue, &depart);
    EXPECT_NE(avecLecture, banc.fenetre->grab().toImage());
    EXPECT_EQ(copie.convertToFormat(QImage::Format_RGB32),
              banc.fenetre->grab().toImage().convertToFormat(QImage::Format_RGB32));
    ASSERT_TRUE(outils.EnregistreImage(Chemin("fenetre.png")).isEmpty());
    EXPECT_EQ(QImage(Chemin("fenetre.png")).convertToFormat(QImage::Format_RGB32),
              copie.convertToFormat(QImage::Format_RGB32));
}

TEST_F(OutilsTest, ReadoutsAndMeasurementsReadTheSameUnitsAtEveryZoom) {
    banc.Clique("Label21");
    auto& vue = banc.Surface("Animation");
    auto& ecran = banc.Surface("Oscillo");
    for (double zoom : {1.0, 0.8, 1.5}) {
        kit::ZoomDe(banc.fenetre.get())->ChoisitZoomNormal(zoom);
        banc.Tick();
        // Half a pixel, in cm, is all a readout may be off by.
        const double demiPixel = 0.5 / vue.echelle().PixelX(1) + 0.005 + 1e-9;
        Survole(vue, 3.0, 2.0);
        auto nombres = Nombres(outils.SurLaCorde().Texte());
        ASSERT_EQ(nombres.size(), 2u) << outils.SurLaCorde().Texte().toStdString();
        EXPECT_NEAR(nombres[0], 3.0, demiPixel) << zoom;
        EXPECT_NEAR(nombres[1], banc.Etat().Elongation[36], 0.005) << zoom;
        EXPECT_TRUE(outils.SurLaCorde().Texte().startsWith("x = ")) << zoom;
        QEvent depart(QEvent::Leave);
        QCoreApplication::sendEvent(&vue, &depart);
        EXPECT_TRUE(outils.SurLaCorde().Texte().isEmpty()) << "gone when the pointer leaves";
        QCoreApplication::processEvents();
        EXPECT_TRUE(aide::CommeRedessine(&vue)) << zoom;

        // A slanted drag: Δx is the horizontal distance; a click leaves nothing.
        QTest::mousePress(&vue, Qt::LeftButton, {}, vue.VersWidget(3, 1).toPoint());
        Survole(vue, 5, 6, Qt::LeftButton);
        QTest::mouseRelease(&vue, Qt::LeftButton, {}, vue.VersWidget(5, 6).toPoint());
        nombres = Nombres(outils.SurLaCorde().TexteEcart());
        ASSERT_EQ(nombres.size(), 2u) << outils.SurLaCorde().TexteEcart().toStdString();
        EXPECT_NEAR(nombres[0], 2.0, 2 * demiPixel) << "dx";
        EXPECT_NEAR(nombres[1], -5.0, 0.05) << "dy, up is positive";
        QTest::mouseClick(&vue, Qt::LeftButton, {}, vue.VersWidget(7, 2).toPoint());
        EXPECT_TRUE(outils.SurLaCorde().TexteEcart().isEmpty()) << "a click measures nothing";

        // On the screen: a 5 s sweep over ten divisions; up is positive.
        Survole(ecran, 4.0, 2.5);
        nombres = Nombres(outils.SurLEcran().Texte());
        ASSERT_EQ(nombres.size(), 2u);
        EXPECT_NEAR(nombres[0], 2.0, 0.02) << zoom;
        EXPECT_NEAR(nombres[1], 1.0, 0.02) << zoom;
        const QImage avant = ecran.Image();
        QTest::mousePress(&ecran, Qt::LeftButton, {}, ecran.VersWidget(2, 3).toPoint());
        Survole(ecran, 4, 1, Qt::LeftButton);
        QTest::mouseRelease(&ecran, Qt::LeftButton, {}, ecran.VersWidget(4, 1).toPoint());
        nombres = Nombres(outils.SurLEcran().TexteEcart());
        ASSERT_EQ(nombres.size(), 3u) << outils.SurLEcran().TexteEcart().toStdString();
        EXPECT_NEAR(nombres[0], 1.0, 0.02) << "dt";
        EXPECT_NEAR(nombres[1], 2.0, 0.05) << "dy";
        EXPECT_NEAR(nombres[2], 1.0, 0.02) << "1/dt";
        EXPECT_EQ(ecran.Image(), avant) << "drawn over the picture, never into it";
        banc.Choisit("Sens(2)");
        EXPECT_TRUE(outils.SurLEcran().TexteEcart().isEmpty()) << "gone with a clear";
        banc.Choisit("Sens(1)");
    }
}

// The reference line, shown from the view's menu, moved by its keys and dragged by its grip:
// at every zoom, the height where it is drawn on screen is the height written beside it.
TEST_F(OutilsTest, TheReferenceLineStandsOnScreenAtTheHeightItReads) {
    auto& vue = banc.Surface("Animation");
    auto& ligne = banc.fenetre->Reference();
    const QList<QAction*> actions = vue.actions();
    const auto entree = std::find_if(actions.begin(), actions.end(),
                                     [](QAction* a) { return a->text() == "Ligne de référence"; });
    ASSERT_NE(entree, actions.end());
    const QImage image = vue.Image();
    (*entree)->trigger();
    EXPECT_EQ(ligne.Texte(), "y = 0,50 cm") << "first at the vibrator's amplitude";
    EXPECT_EQ(vue.Image(), image) << "drawn over the picture, never into it";
    // The row with most of the line's dashes, read back as a height in cm.
    int tirets = 0;
    const auto hauteurALEcran = [&] {
        const QImage ecran = aide::Ecran(banc.fenetre.get());
        const QPoint coin = vue.mapTo(banc.fenetre.get(), QPoint());
        int meilleure = -1, plus = 0;
        for (int y = 1; y < vue.height() - 1; ++y) {
            int n = 0;
            for (int x = 1; x < vue.width() / 2; ++x)
                n += ecran.pixel(coin + QPoint(x, y)) == qRgb(64, 64, 64);
            if (n > plus)
                std::tie(meilleure, plus) = std::pair(y, n);
        }
        tirets = plus;
        return sim::OrdonneeRepos - vue.VersUnites(QPointF(1, meilleure)).y();
    };
    for (double zoom : {1.0, 1.5}) {
        kit::ZoomDe(banc.fenetre.get())->ChoisitZoomNormal(zoom);
        const double pixel = 1 / vue.echelle().PixelY(1);
        ligne.setFocus();
        QTest::keyClick(&ligne, Qt::Key_Home);
        QTest::keyClick(&ligne, Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(&ligne, Qt::Key_Up);
        EXPECT_EQ(ligne.Texte(), "y = 0,60 cm");
        QAccessibleInterface* lue = QAccessible::queryAccessibleInterface(&ligne);
        EXPECT_EQ(lue->role(), QAccessible::Slider);
        EXPECT_EQ(lue->text(QAccessible::Value), "0,60 centimètres") << "as it reads on screen";
        EXPECT_NEAR(hauteurALEcran(), Nombres(ligne.Texte()).front(), pixel + 0.005) << zoom;
        const QPoint prise = ligne.rect().center();
        QTest::mousePress(&ligne, Qt::LeftButton, {}, prise);
        const QPoint arrivee = ligne.mapFrom(&vue, vue.VersWidget(12, 5.9).toPoint());
        QMouseEvent glisse(QEvent::MouseMove, arrivee, ligne.mapToGlobal(arrivee), Qt::NoButton,
                           Qt::LeftButton, {});
        QCoreApplication::sendEvent(&ligne, &glisse);
        QTest::mouseRelease(&ligne, Qt::LeftButton, {}, arrivee);
        EXPECT_NEAR(ligne.Position(), -2.4, pixel) << "dragged down, by a finger or the mouse";
        EXPECT_NEAR(hauteurALEcran(), Nombres(ligne.Texte()).front(), pixel + 0.005) << zoom;
        EXPECT_TRUE(aide::CommeRedessine(&vue)) << zoom;
    }
    ASSERT_GT(tirets, vue.width() / 6);
    (*entree)->trigger();
    hauteurALEcran();
    EXPECT_EQ(tirets, 0) << "hidden again";
    EXPECT_TRUE(aide::CommeRedessine(&vue));
}

} // namespace

namespace {

// A dialog that keeps the request waiting while the lesson goes on behind it.
TEST_F(OutilsTest, WhatIsSavedIsWhatWasAskedForUnderTheRulesOfTheDialog) {
    QTemporaryDir maison;
    const QByteArray ancienneMaison = qgetenv("HOME");
    qputenv("HOME", maison.path().toLocal8Bit());
    struct Question {
        QString chemin;
        QStringList filtres;
    } question;
    QString reponse;
    QString filtreRepondu;
    outils.demandeChemin = [&](const QString&, const QString& chemin, const QStringList& filtres,
                               const QString& filtre, mesure::SuiteEnregistrement suite) {
        question = {chemin, filtres};
        for (int tick = 0; tick < 600; ++tick) // six seconds: the 5 s sweep clears the screen
            banc.Tick();
        if (!reponse.isEmpty())
            suite(reponse, filtreRepondu.isEmpty() ? filtre : filtreRepondu);
    };
    const auto enregistre = [&](QKeySequence touches, const QString& nom,
                                const QString& filtre = {}) {
        reponse = nom.isEmpty() ? QString() : maison.filePath(nom);
        filtreRepondu = filtre;
        QTest::keySequence(banc.fenetre.get(), touches);
    };
    const QKeySequence mesures(Qt::CTRL | Qt::Key_S), image(Qt::CTRL | Qt::SHIFT | Qt::Key_S);

    banc.Clique("Label21");
    enregistre(mesures, "rien");
    EXPECT_EQ(erreurs.value(0), "Rien à enregistrer : aucun capteur n'était en marche depuis que "
                                "l'écran a été effacé : il n'y a pas de mesures à enregistrer.");
    EXPECT_TRUE(question.chemin.isEmpty()) << "no dialog for nothing";
    EXPECT_FALSE(QFileInfo::exists(maison.filePath("rien.xlsx")));

    banc.Clique("ActiveCapteur1");
    for (int tick = 0; tick < 150; ++tick)
        banc.Tick();
    const std::string attendu = sim::CsvMesures(banc.fenetre->Traces().Releve(), sim::CsvFrancais);
    enregistre(mesures, "vide", "Fichiers CSV (*.csv)");
#ifdef _WIN32
    // Wine's profile has its Documents folder (and Windows reads no HOME).
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(QFileInfo(documents).isDir());
    EXPECT_EQ(question.chemin, documents + "/mesures.xlsx") << "Documents, where there is one";
#else
    EXPECT_EQ(question.chemin, maison.filePath("mesures.xlsx")) << "no Documents: the home";
#endif
    EXPECT_EQ(question.filtres, QStringList({"Classeurs Excel (*.xlsx)", "Fichiers CSV (*.csv)"}));
    EXPECT_EQ(Contenu(maison.filePath("vide.csv")).toStdString(), attendu)
        << "the samples of the request, not those of the dialog's end";
    EXPECT_TRUE(outils.Confirmation().isVisible());
    EXPECT_EQ(outils.Confirmation().text(), "Enregistré : vide.csv");
    QAccessibleInterface* annonce =
        QAccessible::queryAccessibleInterface(const_cast<QLabel*>(&outils.Confirmation()));
    EXPECT_EQ(annonce->role(), QAccessible::Notification);
    EXPECT_EQ(annonce->text(QAccessible::Name), "Enregistré : vide.csv");
    EXPECT_FALSE(outils.PhotoFenetre() == banc.fenetre->grab().toImage()) << "never in pictures";

    // The last folder is kept, for every kind of file; a name of another kind gets its own.
    ASSERT_TRUE(QDir(maison.path()).mkpath("Images/classe"));
    enregistre(image, "Images/classe/mesure10.csv");
    EXPECT_EQ(question.chemin, maison.filePath("vibraligne.png")) << "the last folder";
    EXPECT_FALSE(QFileInfo::exists(maison.filePath("Images/classe/mesure10.csv")));
    EXPECT_TRUE(Contenu(maison.filePath("Images/classe/mesure10.csv.png")).startsWith("\x89PNG"));
    enregistre(mesures, {});
    EXPECT_EQ(question.chemin, maison.filePath("Images/classe/mesures.xlsx"));
    qputenv("HOME", ancienneMaison);
    EXPECT_EQ(erreurs.size(), 1);
}

} // namespace
