// SPDX-License-Identifier: GPL-3.0-or-later
// Thirty students clicking at random: a seeded random sequence of everything a mouse and a
// keyboard can do to the main window, delivered where the controls are (a control under a
// cover gets nothing, as for a user), with a clock that misbehaves between the actions.
// After every action the state must still make sense.
//
//   VIBRA_ENDURANCE_GRAINE=n    replays the sequence of seed n
//   VIBRA_ENDURANCE_ACTIONS=n   runs n actions (a longer soak on demand)

#include "commun/AideQt.h"
#include "fenetre/Tables.h"
#include "kit/Controles.h"
#include "sim/Excitation.h"
#include "sim/Horloge.h"
#include "sim/ModeleOnde.h"
#include "sim/Parametres.h"
#include "view/VueCorde.h"

#include <QLabel>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>

namespace {

long Nombre(const char* variable, long defaut) {
    const QByteArray valeur = qgetenv(variable);
    return valeur.isEmpty() ? defaut : valeur.toLong();
}

class Endurance {
public:
    // How much of the program the sequence reached, so that it cannot quietly degrade
    // into clicking on nothing.
    struct {
        long ticksAvecCapteur = 0;
        long ticksAvecImpulsion = 0;
        long glissementsEffectifs = 0;
        long ecransCompares = 0;
    } couverture;

    explicit Endurance(uint64_t graine)
        : hasard_(graine), reference_(nullptr, Animation().echelle(), Qt::white),
          vueReference_(reference_, banc_.Etat()) {
        reference_.resize(Animation().size());
        banc_.fenetre->activateWindow();
    }

    // One random action; returns what it was, for the failure message.
    std::string Agit() {
        const int tirage = Entier(0, 99);
        if (tirage < 35)
            return CliqueControle();
        if (tirage < 40)
            return CliquePoint(QPoint(Entier(-20, 1300), Entier(-20, 740)));
        if (tirage < 52)
            return CliqueBarre();
        if (tirage < 57)
            return GlisseCurseurDeBarre();
        if (tirage < 67)
            return Touche();
        if (tirage < 80)
            return GlisseMarqueur();
        if (tirage < 85)
            return RafaleDeLecture();
        if (tirage < 90)
            return CliqueControle("Sens(" + std::to_string(Entier(0, 5)) + ")");
        return DerangeHorloge();
    }

    // Zero to three ticks of the running timer, as the event loop would give them. Apart
    // from the first tick after the clock misbehaved, a tick 10 ms later must move the
    // simulation 10 ms on (give or take the rounding), whatever the clock did before.
    std::string Ticks() {
        int ticks = 0;
        for (int n = Entier(0, 3); n > 0 && banc_.fenetre->Timer1().isActive(); --n, ++ticks) {
            const bool normal = Entier(0, 99) >= 5;
            banc_.horloge.secondes += normal ? 0.010 : 0.0004;
            const int64_t avant = banc_.Etat().TempsMs;
            banc_.fenetre->Timer1_Timer();
            const int64_t pas =
                (banc_.Etat().TempsMs - avant + sim::PeriodeRecalageMs) % sim::PeriodeRecalageMs;
            if (normal && !horlogeDerangee_ && (pas < 9 || pas > 11))
                erreurTick_ = "a 10 ms tick moved the clock by " + std::to_string(pas) + " ms; ";
            horlogeDerangee_ = false;
            tickRecent_ = true;
            tickAvecVue_ = !Animation().isHidden();
            const auto& e = banc_.Etat();
            couverture.ticksAvecCapteur +=
                !banc_("Capteur1")->isHidden() || !banc_("Capteur2")->isHidden();
            couverture.ticksAvecImpulsion +=
                banc_("VibrationPeriodique")->isHidden() && e.FormeSoliton > 0;
        }
        return " +" + std::to_string(ticks) + " ticks";
    }

    // Paused, the string view on the screen is a fresh render of it: checked now and then,
    // for a comparison costs more than an action.
    std::string VerifieEcranEnPause() {
        if (banc_.fenetre->Timer1().isActive() || Animation().isHidden())
            return {};
        ++couverture.ecransCompares;
        const auto frais = aide::CommeRedessine(&Animation());
        return frais ? std::string() : frais.message();
    }

    std::string Verifie() {
        std::ostringstream erreurs;
        const sim::EtatSimulation& e = banc_.Etat();
        // Reflections add up, a bounded number of round trips; the previous values may
        // still hold them for a tick after the end is taken away.
        const double avecReflexions = 3.0 * (2 * sim::AllersRetoursMax + 1);
        const double plusGrand = e.Extremite == sim::SansFin ? 3.0 : avecReflexions;
        for (int i = 0; i < sim::NombrePoints; ++i) {
            for (auto [valeur, borne] : {std::pair{e.Elongation[i], plusGrand},
                                         std::pair{e.ElongationPrecedente[i], avecReflexions}}) {
                if (!std::isfinite(valeur) || std::abs(valeur) > borne)
                    erreurs << "displacement " << i << " = " << valeur << "; ";
                if (i > sim::DernierPointCalcule && valeur != 0)
                    erreurs << "point " << i << " written; ";
            }
        }
        const bool pause = !banc_("Command1")->isHidden();
        if (pause == !banc_("Command2")->isHidden() || pause != banc_.fenetre->Timer1().isActive())
            erreurs << "play/pause buttons do not match the timer; ";
        for (const char* nom : {"Capteur1", "Capteur2"}) {
            const float gauche = banc_.operator()<kit::Marqueur>(nom)->Gauche();
            if (!(gauche >= 0.0f && gauche <= BordDroit()))
                erreurs << nom << " at " << gauche << "; ";
            if (e.Extremite != sim::SansFin && gauche > sim::LongueurCorde)
                erreurs << nom << " beyond the end, at " << gauche << "; ";
            if (sim::IndicePoint(gauche + 0.105) > 181)
                erreurs << nom << " samples beyond the drawn string; ";
        }
        if (!(e.TempsBalayage >= 0 && e.TempsBalayage < e.DureeBalayage))
            erreurs << "sweep position " << e.TempsBalayage << "; ";
        VerifieLibelles(erreurs);
        if (tickRecent_)
            VerifieCapteurs(erreurs);
        tickRecent_ = false;
        erreurs << erreurTick_;
        erreurTick_.clear();
        if (tickAvecVue_) {
            tickAvecVue_ = false;
            vueReference_.AfficheCordeSansCache();
            if (Animation().Image() != reference_.Image()) {
                erreurs << "string view differs from a fresh frame; ";
                if (!qEnvironmentVariableIsEmpty("VIBRA_ENDURANCE_IMAGES")) {
                    Animation().Image().save("/tmp/endurance-vue.png");
                    reference_.Image().save("/tmp/endurance-reference.png");
                }
            }
        }
        return erreurs.str();
    }

private:
    int Entier(int min, int max) { return std::uniform_int_distribution<int>(min, max)(hasard_); }
    double Reel(double min, double max) {
        return std::uniform_real_distribution<double>(min, max)(hasard_);
    }
    kit::SurfaceDessin& Animation() const { return banc_.Surface("Animation"); }
    float BordDroit() const {
        return static_cast<float>(Animation().echelle().UniteX(Animation().width()));
    }
    QWidget* Fenetre() const { return banc_.fenetre.get(); }

    // What a user hits at a window point, and where within it.
    std::string Presse(QPoint point, QWidget*& touche, QPoint& local) {
        touche = Fenetre()->childAt(point);
        if (touche == nullptr)
            touche = Fenetre();
        local = touche->mapFrom(Fenetre(), point);
        QTest::mousePress(touche, Qt::LeftButton, {}, local);
        return touche->objectName().toStdString();
    }

    std::string CliquePoint(QPoint point) {
        QWidget* touche = nullptr;
        QPoint local;
        const std::string nom = Presse(point, touche, local);
        QTest::mouseRelease(touche, Qt::LeftButton, {}, local);
        return "click on " + nom;
    }

    QPoint PointDans(const QWidget* w) {
        return w->mapTo(Fenetre(), QPoint(Entier(0, w->width() - 1), Entier(0, w->height() - 1)));
    }

    std::string CliqueControle(std::string nom = {}) {
        const auto controles = fenetre::DispositionCorde.controles;
        if (nom.empty())
            nom = std::string(controles[Entier(0, static_cast<int>(controles.size()) - 1)].nom);
        QWidget* w = banc_(nom.c_str());
        if (w->isHidden())
            return "nothing (" + nom + " hidden)";
        return CliquePoint(PointDans(w)) + " aiming at " + nom;
    }

    QScrollBar* BarreAuHasard() {
        const auto barres = fenetre::BarresParametres();
        const auto nom = std::string(barres[Entier(0, static_cast<int>(barres.size()) - 1)].nom);
        return banc_.operator()<QScrollBar>(nom.c_str());
    }

    std::string CliqueBarre() {
        QScrollBar* barre = BarreAuHasard();
        // An arrow at either end, or anywhere in the track.
        const int x = Entier(0, 2) == 0 ? 3
                      : Entier(0, 1)    ? barre->width() - 3
                                        : Entier(0, barre->width() - 1);
        return CliquePoint(barre->mapTo(Fenetre(), QPoint(x, barre->height() / 2)));
    }

    std::string GlisseCurseurDeBarre() {
        QScrollBar* barre = BarreAuHasard();
        QWidget* touche = nullptr;
        QPoint local;
        const std::string nom = Presse(
            barre->mapTo(Fenetre(), QPoint(Entier(0, barre->width() - 1), barre->height() / 2)),
            touche, local);
        for (int n = Entier(1, 6); n > 0; --n) {
            local = QPoint(Entier(-200, barre->width() + 200), Entier(-50, 50));
            QTest::mouseMove(touche, local);
        }
        QTest::mouseRelease(touche, Qt::LeftButton, {}, local);
        return "thumb drag on " + nom;
    }

    std::string Touche() {
        static const Qt::Key touches[] = {
            Qt::Key_Left,     Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,  Qt::Key_PageUp,
            Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End,    Qt::Key_Space, Qt::Key_Tab,
            Qt::Key_Backtab,  Qt::Key_Return, Qt::Key_Escape, Qt::Key_A};
        const Qt::Key touche = touches[Entier(0, std::size(touches) - 1)];
        QWidget* cible = QApplication::focusWidget() ? QApplication::focusWidget() : Fenetre();
        QTest::keyClick(cible, touche);
        return "key " + std::to_string(touche) + " on " + cible->objectName().toStdString();
    }

    std::string GlisseMarqueur() {
        static const char* marqueurs[] = {"Capteur1", "Capteur2", "TemoinCapteur(1)",
                                          "TemoinCapteur(2)"};
        const char* nom = marqueurs[Entier(0, 3)];
        QWidget* marqueur = banc_(nom);
        if (marqueur->isHidden())
            return std::string("nothing (") + nom + " hidden)";
        const float avant = static_cast<kit::Marqueur*>(marqueur)->Gauche();
        QWidget* touche = nullptr;
        QPoint local;
        const std::string touchee = Presse(PointDans(marqueur), touche, local);
        kit::SurfaceDessin& vue = Animation();
        for (int n = Entier(1, 5); n > 0; --n) {
            // Over the view mostly; left of the vibrator, beyond the right edge, outside.
            const double x = Entier(0, 9) < 7 ? Reel(-1.547, 15.2) : Reel(-30, 60);
            const double y = Entier(0, 9) < 7 ? Reel(0, 7) : Reel(-10, 20);
            const QPoint dansVue(1 + static_cast<int>(vue.echelle().PixelX(x)),
                                 1 + static_cast<int>(vue.echelle().PixelY(y)));
            local = touche->mapFrom(Fenetre(), vue.mapTo(Fenetre(), dansVue));
            QTest::mouseMove(touche, local);
        }
        QTest::mouseRelease(touche, Qt::LeftButton, {}, local);
        couverture.glissementsEffectifs += static_cast<kit::Marqueur*>(marqueur)->Gauche() != avant;
        return std::string("drag of ") + nom + " (pressed " + touchee + ")";
    }

    std::string RafaleDeLecture() {
        static const char* boutons[] = {"Command1", "Command2", "Command3"};
        std::string faits = "burst";
        for (int n = Entier(3, 10); n > 0; --n)
            faits += " " + CliqueControle(boutons[Entier(0, 2)]);
        return faits;
    }

    std::string DerangeHorloge() {
        horlogeDerangee_ = true;
        double& s = banc_.horloge.secondes;
        switch (Entier(0, 5)) {
        case 0:
            s += Reel(3600, 10 * 3600);
            return "clock: hours later";
        case 1:
            s -= Reel(1, 7200);
            return "clock: set back";
        case 2:
            s -= 86400;
            return "clock: midnight";
        case 3:
            s += 25 * 86400 + Reel(0, 86400);
            return "clock: 25 days later";
        case 4:
            // Some ticks short of the end of the 32-bit clock, so that the next ones cross it.
            s = std::max(s, banc_.Etat().OrigineTemps +
                                (sim::SeuilRecalageMs - Entier(10, 300)) / 1000.0);
            return "clock: 23 days into the lesson";
        default:
            s += Reel(0.05, 2);
            return "clock: a slow tick";
        }
    }

    // Right after a tick, each active sensor's square sits on the string where its bar is,
    // and its trace goes on from an ordinate on the screen.
    void VerifieCapteurs(std::ostringstream& erreurs) const {
        const sim::EtatSimulation& e = banc_.Etat();
        for (int n : {1, 2}) {
            const std::string suffixe = std::to_string(n);
            const auto* barre = banc_.operator()<kit::Marqueur>(("Capteur" + suffixe).c_str());
            if (barre->isHidden())
                continue;
            const auto* temoin =
                banc_.operator()<kit::Marqueur>(("TemoinCapteur(" + suffixe + ")").c_str());
            if (std::abs(temoin->Haut() - (e.OrdonneeCapteur[n] - 0.1)) > 1e-5 ||
                std::abs(temoin->Gauche() - (barre->Gauche() + 0.105 - 0.16)) > 1e-5)
                erreurs << "square " << n << " is not on the string under its bar; ";
            const double ecart =
                e.Extremite == sim::SansFin ? 3.0 : 3.0 * (2 * sim::AllersRetoursMax + 1);
            if (!(std::abs(e.DerniereValeurCapteur[n] - 3.5) <= ecart))
                erreurs << "trace " << n << " at ordinate " << e.DerniereValeurCapteur[n] << "; ";
        }
    }

    void VerifieLibelles(std::ostringstream& erreurs) const {
        const auto valeur = [&](const char* barre) {
            return banc_.operator()<QScrollBar>(barre)->value();
        };
        const auto texte = [&](const char* libelle) {
            return banc_.operator()<QLabel>(libelle)->text().toStdString();
        };
        struct Attendu {
            const char* libelle;
            const char* barre;
            std::string selonBarre;
            const char* initial;
            int valeurInitiale;
        };
        const Attendu attendus[] = {
            {"ValeurFrequence", "freq",
             sim::LibelleFrequence(sim::FrequenceDepuisBarre(valeur("freq"))), " 1 Hz", 10},
            {"ValeurCelerite", "CeleriteOnde",
             sim::LibelleCelerite(sim::CeleriteDepuisBarre(valeur("CeleriteOnde"))), " 5 cm/s", 50},
            {"ValeurAmplitude", "Amplitude",
             sim::LibelleAmplitude(sim::AmplitudeDepuisBarre(valeur("Amplitude"))), "0,5 cm", 5},
            {"ValeurAmplitudeSoliton", "AmplitudeSoliton",
             sim::LibelleAmplitude(sim::AmplitudeDepuisBarre(valeur("AmplitudeSoliton"))), "1,5 cm",
             15},
        };
        for (const Attendu& a : attendus) {
            const std::string vu = texte(a.libelle);
            const bool jamaisBouge = vu == a.initial && valeur(a.barre) == a.valeurInitiale;
            if (vu != a.selonBarre && !jamaisBouge)
                erreurs << a.libelle << " reads '" << vu << "' for " << valeur(a.barre) << "; ";
        }
    }

    std::mt19937_64 hasard_;
    aide::Banc banc_;
    kit::SurfaceDessin reference_;
    view::VueCorde vueReference_;
    bool tickAvecVue_ = false;
    bool tickRecent_ = false;
    bool horlogeDerangee_ = true; // the first tick jumps from 0 to the time of day
    std::string erreurTick_;
};

TEST(Endurance, RandomClassroomSurvivesAndStaysConsistent) {
    const uint64_t graine = static_cast<uint64_t>(Nombre("VIBRA_ENDURANCE_GRAINE", 20261208));
    const long actions = Nombre("VIBRA_ENDURANCE_ACTIONS", 100'000);
    Endurance endurance(graine);
    std::string derniere;
    long prochainEcran = 0;
    for (long i = 0; i < actions; ++i) {
        std::string action = endurance.Agit();
        action += endurance.Ticks(); // after the action, not in an unspecified order
        std::string erreurs = endurance.Verifie();
        if (i >= prochainEcran) {
            const long avant = endurance.couverture.ecransCompares;
            erreurs += endurance.VerifieEcranEnPause();
            if (endurance.couverture.ecransCompares > avant)
                prochainEcran = i + 300;
        }
        ASSERT_EQ(erreurs, "") << "seed " << graine << ", action " << i << ": " << action
                               << " (after: " << derniere << ")\n"
                               << "replay with VIBRA_ENDURANCE_GRAINE=" << graine
                               << " VIBRA_ENDURANCE_ACTIONS=" << i + 1;
        derniere = action;
    }
    if (actions >= 10'000) {
        EXPECT_GT(endurance.couverture.ticksAvecCapteur, actions / 20);
        EXPECT_GT(endurance.couverture.ticksAvecImpulsion, actions / 20);
        EXPECT_GT(endurance.couverture.glissementsEffectifs, actions / 200);
        EXPECT_GT(endurance.couverture.ecransCompares, actions / 600);
    }
    std::printf("sensor ticks %ld, pulse ticks %ld, drags that moved %ld, screens compared %ld\n",
                endurance.couverture.ticksAvecCapteur, endurance.couverture.ticksAvecImpulsion,
                endurance.couverture.glissementsEffectifs, endurance.couverture.ecransCompares);
}

} // namespace
