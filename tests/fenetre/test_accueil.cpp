// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accueil.h"
#include "commun/AideQt.h"
#include "fenetre/Tables.h"
#include "kit/Langue.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QList<QWidget*> FenetresVisibles() {
    QList<QWidget*> visibles;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            visibles.append(w);
    return visibles;
}

struct AccueilTest : ::testing::TestWithParam<const char*> {
    aide::HorlogeFactice horloge;
    bool chargeeAvantAffichage = false;
    QPointer<fenetre::FenetreCorde> principale;

    app::Accueil* Ouvre() {
        auto* accueil = new app::Accueil([this] {
            principale = new fenetre::FenetreCorde(horloge.Fonction());
            chargeeAvantAffichage =
                !principale->isVisible() &&
                kit::Trouve<QLabel>(principale, "ValeurFrequence")->text() == " 1 Hz";
            return principale.data();
        });
        accueil->show();
        return accueil;
    }
    void TearDown() override { delete principale.data(); }
};

TEST_F(AccueilTest, LaidOutAsDesigned) {
    QPointer<app::Accueil> accueil = Ouvre();
    EXPECT_EQ(accueil->size(), QSize(733, 514));
    EXPECT_TRUE(accueil->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(accueil->windowTitle(), "vibraLIGNE") << "what a taskbar shows";
    EXPECT_EQ(accueil->palette().color(QPalette::Window), QColor(0, 0, 64));
    EXPECT_EQ(kit::Trouve<QLabel>(accueil, "Label2")->text().toStdString(),
              fenetre::TexteDescription);
    EXPECT_TRUE(fenetre::TexteDescription.find("solitaire.  Des \"capteur\" permettent") !=
                std::string_view::npos);
    auto* bouton = kit::Trouve<QToolButton>(accueil, "Command1");
    EXPECT_EQ(bouton->text(), "Démarrer la simulation");
    EXPECT_EQ(bouton->geometry(), QRect(10, 450, 211, 51));
    EXPECT_EQ(kit::Trouve<QLabel>(accueil, "titre")->font().pixelSize(), 43);
    EXPECT_EQ(kit::Trouve<QWidget>(accueil, "Image1")->geometry(), QRect(0, 90, 733, 171));
    EXPECT_EQ(kit::Trouve<QWidget>(accueil, "Image1")->accessibleName(), "Démarrer la simulation");
    QAccessibleInterface* fenetre = QAccessible::queryAccessibleInterface(accueil.data());
    EXPECT_EQ(fenetre->role(), QAccessible::Window);
    EXPECT_EQ(fenetre->text(QAccessible::Name), "Accueil de vibraLIGNE");
    delete accueil.data();
}

// F1 opens one help window, from either window, in the interface's language, with the
// keys, the tools and "À propos"; the screens say what the pointer does there.
TEST_F(AccueilTest, F1OpensTheHelpInTheInterfacesLanguage) {
    const auto aide = [] {
        QWidget* trouvee = nullptr;
        for (QWidget* w : FenetresVisibles())
            if (w->objectName() == "Aide") {
                EXPECT_EQ(trouvee, nullptr) << "one help window";
                trouvee = w;
            }
        return trouvee;
    };
    for (kit::Langue langue : {kit::Langue::Francais, kit::Langue::Allemand}) {
        kit::InstalleLangue(langue);
        QPointer<app::Accueil> accueil = Ouvre();
        accueil->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(accueil.data()));
        QTest::keyClick(accueil.data(), Qt::Key_F1);
        QWidget* depuisAccueil = aide();
        ASSERT_NE(depuisAccueil, nullptr);
        kit::Trouve<QToolButton>(accueil, "Command1")->click();
        QCoreApplication::processEvents();
        ASSERT_TRUE(principale);
        principale->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(principale.data()));
        QTest::keyClick(principale.data(), Qt::Key_F1);
        QWidget* fenetreAide = aide();
        ASSERT_NE(fenetreAide, nullptr);
        const QString texte = fenetreAide->findChild<QTextBrowser*>()->toPlainText();
        const bool francais = langue == kit::Langue::Francais;
        EXPECT_TRUE(fenetreAide->windowTitle().contains("vibraLIGNE"));
        for (const char* attendu : {francais ? "À propos" : "Über", francais ? "Ctrl+S" : "Ctrl+S",
                                    francais ? "Glisser" : "Ziehen", "GPL-3.0-or-later"})
            EXPECT_TRUE(texte.contains(QString::fromUtf8(attendu))) << attendu;
        EXPECT_TRUE(texte.contains(QString::fromLatin1(qVersion())));
        EXPECT_EQ(
            kit::Trouve<QWidget>(principale, "Oscillo")
                ->toolTip()
                .startsWith(francais ? "Survoler : lire les valeurs" : "Zeigen: Werte ablesen"),
            true);
        fenetreAide->close();
        delete principale.data();
        QCoreApplication::processEvents();
    }
    kit::InstalleLangue(kit::Langue::Francais);
}

TEST_P(AccueilTest, StartLeavesOnlyTheMainWindowLoadedFirst) {
    QPointer<app::Accueil> accueil = Ouvre();
    QWidget* controle = kit::Trouve<QWidget>(accueil, GetParam());
    QTest::mouseClick(controle, Qt::LeftButton, {}, controle->rect().center());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ASSERT_FALSE(principale.isNull());
    EXPECT_TRUE(chargeeAvantAffichage);
    EXPECT_TRUE(accueil.isNull()) << "the welcome window is gone for good";
    const auto visibles = FenetresVisibles();
    ASSERT_EQ(visibles.size(), 1);
    EXPECT_EQ(visibles.front(), principale.data());
    EXPECT_TRUE(principale->testAttribute(Qt::WA_DeleteOnClose));
}

TEST_F(AccueilTest, ClosingTheMainWindowEndsTheProgram) {
    QPointer<app::Accueil> accueil = Ouvre();
    QTest::mouseClick(kit::Trouve<QWidget>(accueil, "Command1"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(principale.isNull());
    QSignalSpy derniere(qApp, &QGuiApplication::lastWindowClosed);
    // The program's own event loop ends when the main window closes: no prompt, nothing
    // kept. If it did not, the safety timer would end it with another code.
    QTimer::singleShot(0, principale.data(), &QWidget::close);
    QTimer::singleShot(3000, qApp, [] { QCoreApplication::exit(2); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(derniere.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(principale.isNull()) << "the window is gone with its timer";
}

INSTANTIATE_TEST_SUITE_P(BoutonEtBanniere, AccueilTest, ::testing::Values("Command1", "Image1"));

} // namespace
