// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre/FenetreCorde.h"

#include "fenetre/FenetreAide.h"

#include "fenetre/Accessibilite.h"
#include "fenetre/Construction.h"
#include "fenetre/Tables.h"
#include "kit/Controles.h"
#include "kit/Couverture.h"
#include "kit/Images.h"
#include "kit/SurfaceDessin.h"
#include "kit/Zoom.h"
#include "sim/Excitation.h"
#include "sim/ModeleOnde.h"
#include "sim/Parametres.h"
#include "view/Regle.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

namespace fenetre {
using namespace kit;
namespace {

constexpr int PeriodeTimer1Ms = 10;

} // namespace

FenetreCorde::FenetreCorde(sim::HorlogeMurale horloge, QWidget* parent)
    : QWidget(parent), horloge_(std::move(horloge)), timer1_(this) {
    ConstruitFenetre(this, DispositionCorde);
    setWindowIcon(QIcon(Logo(32)));
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setTimerType(Qt::PreciseTimer);
    timer1_.setInterval(PeriodeTimer1Ms);

    animation_ = Trouve<SurfaceDessin>(this, "Animation");
    vibrationPeriodique_ = Trouve<QWidget>(this, "VibrationPeriodique");
    vue_ = std::make_unique<view::VueCorde>(*animation_, etat_);

    std::array<view::ControlesCapteur, 3> capteurs{};
    for (int n : {1, 2}) {
        const std::string suffixe = std::to_string(n);
        capteurs[n] = {Trouve<Marqueur>(this, ("Capteur" + suffixe).c_str()),
                       Trouve<Marqueur>(this, ("TemoinCapteur(" + suffixe + ")").c_str()),
                       Trouve<QWidget>(this, ("ActiveCapteur" + suffixe).c_str())};
    }
    capteurs_ = std::make_unique<view::Capteurs>(etat_, capteurs, [this] { vue_->AfficheCorde(); });
    ecran_ = std::make_unique<scope::EcranOscillo>(
        *Trouve<SurfaceDessin>(this, "Oscillo"), *Trouve<QWidget>(this, "CacheOscillo"), etat_,
        [this] { LitParametres(); },
        [this] {
            capteurs_->Desactive(1);
            capteurs_->Desactive(2);
        });
    traces_ = std::make_unique<scope::Traces>(*ecran_, etat_, *capteurs_);
    connect(&ecran_->Surface(), &SurfaceDessin::efface, this,
            [this] { traces_->RepartDeZero(etat_.TempsMs); });
    // Under the pointer's readout, which the lesson tools lay over the view after it.
    reference_ = new LigneReference(*animation_);
    outils_ =
        new mesure::OutilsLecon(this, *animation_, ecran_->Surface(), etat_, *traces_, *capteurs_);
    outils_->SuitLesAspects(*vue_);

    ralenti_ = std::make_unique<IndicateurRalenti>(*animation_);
    etat_.Main = &main_;
    poignee_ = new PoigneeVibreur(
        *animation_, [this] { return etat_.Elongation[0]; }, [this] { PrendLeVibreur(); });
    poignee_->setVisible(!Trouve<QWidget>(this, "VibrationSolitaire")->isHidden());
    ConnecteRalenti();
    ConnecteLecons();
    ConnecteAspects();
    ConnecteReference();
    ConnecteTracesGardees();
    AjouteAide(this);
    Connecte();
    RendAccessible(this);
    MetSousCouverture(Trouve<QWidget>(this, "CacheOscillo"),
                      {Trouve<QWidget>(this, "Picture6"), Trouve<QWidget>(this, "Picture15")});
    // The string view covers its invitation.
    MetSousCouverture(animation_, {Trouve<QWidget>(this, "AnimationCache")});
    Charge();
}

void FenetreCorde::keyPressEvent(QKeyEvent* evenement) {
    switch (evenement->key()) {
    case Qt::Key_Space:
        timer1_.isActive() ? Pause() : Lecture();
        break;
    case Qt::Key_P:
        PasAPas();
        break;
    case Qt::Key_F11:
        setWindowState(windowState() ^ Qt::WindowFullScreen);
        break;
    case Qt::Key_F10: {
        // Shift+F10 is the Menu key of a keyboard without one; Qt maps only the Menu key.
        if (evenement->modifiers() != Qt::ShiftModifier) {
            QWidget::keyPressEvent(evenement);
            return;
        }
        QWidget* cible = focusWidget() ? focusWidget() : this;
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
        QCoreApplication::sendEvent(cible, &menu);
        break;
    }
    case Qt::Key_Escape:
        if (!isFullScreen()) {
            QWidget::keyPressEvent(evenement);
            return;
        }
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        break;
    default:
        QWidget::keyPressEvent(evenement);
        return;
    }
    evenement->accept();
}

void FenetreCorde::contextMenuEvent(QContextMenuEvent* evenement) {
    if (evenement->reason() != QContextMenuEvent::Keyboard) {
        QWidget::contextMenuEvent(evenement);
        return;
    }
    QWidget* oscillo = &ecran_->Surface();
    const QWidget* focus = focusWidget();
    const bool aDroite =
        focus && focus->mapTo(this, QPoint()).x() >= oscillo->mapTo(this, QPoint()).x();
    QWidget* surface = (aDroite || animation_->isHidden()) && oscillo->isVisible() ? oscillo
                       : animation_->isVisible()                                   ? animation_
                                                                                   : nullptr;
    if (!surface)
        return;
    emit surface->customContextMenuRequested(QPoint(surface->width() / 4, surface->height() / 4));
    evenement->accept();
}

// The lesson tools go first: until they are gone they read the state and the views, and the
// widgets' own end (hiding the surfaces under a pointer's readout) comes after the members'.
FenetreCorde::~FenetreCorde() {
    delete outils_;
}

void FenetreCorde::Charge() {
    Trouve<Marqueur>(this, "Capteur1")->CouleurFond(Couleur(BarreCapteur1Chargee));
    Trouve<Marqueur>(this, "Capteur2")->CouleurFond(Couleur(BarreCapteur2Chargee));
    view::GradueRegle(*Trouve<SurfaceDessin>(this, "Regle"));
    etat_.BaseDeTemps = 500;
    LitParametres();
    DecritExtremites();
    timer1_.start();
}

void FenetreCorde::LitParametres() {
    sim::PositionsBarres barres;
    barres.freq = Trouve<QScrollBar>(this, "freq")->value();
    barres.CeleriteOnde = Trouve<QScrollBar>(this, "CeleriteOnde")->value();
    barres.Deformation = Trouve<QScrollBar>(this, "Deformation")->value();
    barres.Amortissement = Trouve<QScrollBar>(this, "Amortissement")->value();
    barres.Amplitude = Trouve<QScrollBar>(this, "Amplitude")->value();
    barres.AmplitudeSoliton = Trouve<QScrollBar>(this, "AmplitudeSoliton")->value();
    sim::LitParametres(etat_, barres);
    Trouve<QLabel>(this, "ValeurFrequence")
        ->setText(QString::fromStdString(sim::LibelleFrequence(etat_.Frequence)));
}

void FenetreCorde::ConnecteBarres() {
    // valueChanged comes from a click on an arrow or the track, the keyboard, and every
    // position of a dragged thumb: one handler for all of them.
    const auto barre = [this](const char* nom, auto gestionnaire) {
        connect(Trouve<QScrollBar>(this, nom), &QScrollBar::valueChanged, this, gestionnaire);
    };
    const auto libelle = [this](const char* nom, const std::string& texte) {
        Trouve<QLabel>(this, nom)->setText(QString::fromStdString(texte));
    };
    barre("freq", [this](int) { LitParametres(); });
    barre("CeleriteOnde", [this, libelle](int v) {
        etat_.Celerite = sim::CeleriteDepuisBarre(v);
        libelle("ValeurCelerite", sim::LibelleCelerite(etat_.Celerite));
        DecritExtremites();
    });
    barre("Deformation",
          [this](int v) { etat_.CoefDeformation = sim::CoefDeformationDepuisBarre(v); });
    barre("Amortissement",
          [this](int v) { etat_.CoefAmortissement = sim::CoefAmortissementDepuisBarre(v); });
    barre("Amplitude", [this, libelle](int v) {
        etat_.AmplitudeCm = sim::AmplitudeDepuisBarre(v);
        libelle("ValeurAmplitude", sim::LibelleAmplitude(etat_.AmplitudeCm));
    });
    barre("AmplitudeSoliton", [this, libelle](int v) {
        etat_.AmplitudeSolitonCm = sim::AmplitudeDepuisBarre(v);
        libelle("ValeurAmplitudeSoliton", sim::LibelleAmplitude(etat_.AmplitudeSolitonCm));
    });
}

void FenetreCorde::Connecte() {
    const auto clic = [this](const char* nom, auto gestionnaire) {
        QWidget* controle = Trouve<QWidget>(this, nom);
        if (auto* etiquette = qobject_cast<Etiquette*>(controle))
            connect(etiquette, &Etiquette::clique, this, gestionnaire);
        else
            connect(qobject_cast<QAbstractButton*>(controle), &QAbstractButton::clicked, this,
                    gestionnaire);
    };
    connect(&timer1_, &QTimer::timeout, this, &FenetreCorde::Timer1_Timer);
    ConnecteBarres();
    clic("Command1", [this] { Pause(); });
    clic("Command2", [this] { Lecture(); });
    clic("Command3", [this] { PasAPas(); });
    clic("Command5", [this] { LanceImpulsion(1); });
    clic("Command4", [this] { LanceImpulsion(2); });
    clic("Command6", [this] { LanceImpulsion(3); });
    clic("Label16", [this] { ChoisitPeriodique(); });
    clic("Label17", [this] { ChoisitSolitaire(); });
    clic("Image2", [this] { CacheAnimation(); });
    clic("Label4", [this] { MontreAnimation(); });
    for (int n : {1, 2}) {
        const std::string suffixe = std::to_string(n);
        clic(("ActiveCapteur" + suffixe).c_str(), [this, n] { capteurs_->Active(n); });
        clic(("DesactiveCapteur" + suffixe).c_str(), [this, n] { capteurs_->Desactive(n); });
        clic(n == 1 ? "Label9" : "Label10", [this, n] { capteurs_->Bascule(n); });
    }
    for (int16_t extremite : {sim::SansFin, sim::ExtremiteFixe, sim::ExtremiteLibre}) {
        const std::string nom = "Extremite(" + std::to_string(extremite) + ")";
        connect(Trouve<QRadioButton>(this, nom.c_str()), &QRadioButton::toggled, this,
                [this, extremite](bool choisi) {
                    if (choisi)
                        ChoisitExtremite(extremite);
                });
    }
    clic("Image3", [this] { ecran_->Couvre(); });
    clic("Label21", [this] { ecran_->Revele(); });
    for (int index = 0; index < 6; ++index) {
        const std::string nom = "Sens(" + std::to_string(index) + ")";
        connect(Trouve<QRadioButton>(this, nom.c_str()), &QRadioButton::toggled, this,
                [this, index](bool choisi) {
                    if (choisi)
                        ecran_->ChoisitBase(index);
                });
    }
    // The ruler is drawn once; on a screen of another ratio it is simply drawn again there.
    auto* regle = Trouve<SurfaceDessin>(this, "Regle");
    connect(regle, &SurfaceDessin::resolutionModifiee, this, [regle] {
        regle->Efface();
        view::GradueRegle(*regle);
    });
    // At a new zoom the string view and the sensors' squares are drawn again at once, even
    // while paused; the ruler follows its surface's own signal.
    connect(ZoomDe(this), &ZoomFenetre::zoomModifie, this, [this] {
        if (!animation_->isHidden())
            vue_->AfficheCorde();
        for (int16_t n : {int16_t{1}, int16_t{2}})
            if (capteurs_->EstActif(n))
                AfficheCapteur(n);
    });
    connect(animation_, &SurfaceDessin::survolGlisser, this,
            [this](QWidget* controle, float x, float y) {
                capteurs_->SurvolAnimation(controle, x, y);
            });
}

void FenetreCorde::Timer1_Timer() {
    if (timer1_.isActive())
        sim::PasHorloge(etat_, horloge_());
    if (etat_.FormeSoliton == sim::FormeMain)
        main_.Note(etat_.TempsMs / 1000.0, poignee_->Position());
    sim::CalculeModele(etat_, !vibrationPeriodique_->isHidden());
    if (!animation_->isHidden())
        vue_->AfficheCorde();
    for (int16_t n : {int16_t{1}, int16_t{2}}) {
        if (capteurs_->EstActif(n)) {
            traces_->TraceCapteur(n);
            AfficheCapteur(n);
        }
    }
    traces_->NoteEchantillon();
    if (poignee_->hasFocus())
        poignee_->update(); // its frame follows the block
}

void FenetreCorde::AfficheCapteur(int16_t n) {
    capteurs_->AfficheCapteur(n);
}

void FenetreCorde::Pause() {
    timer1_.stop();
    sim::FigeTemps(etat_);
    EchangeBoutons("Command1", "Command2");
}

void FenetreCorde::Lecture() {
    sim::RepartDe(etat_, horloge_());
    timer1_.start();
    EchangeBoutons("Command2", "Command1");
}

void FenetreCorde::EchangeBoutons(const char* cache, const char* montre) {
    QWidget* aCacher = Trouve<QWidget>(this, cache);
    QWidget* aMontrer = Trouve<QWidget>(this, montre);
    const bool avaitLeFocus = aCacher->hasFocus();
    aCacher->hide();
    aMontrer->show();
    // The keyboard stays on the button at the same place, so Space toggles back and forth.
    if (avaitLeFocus)
        aMontrer->setFocus(Qt::TabFocusReason);
}

void FenetreCorde::PasAPas() {
    if (timer1_.isActive())
        Pause();
    sim::AvanceUnPas(etat_);
    Timer1_Timer();
}

void FenetreCorde::ChoisitPeriodique() {
    LacheLeVibreur();
    poignee_->hide();
    Trouve<QWidget>(this, "OngletPeriodique")->show();
    vibrationPeriodique_->show();
    Trouve<QWidget>(this, "OngletSolitaire")->hide();
    Trouve<QWidget>(this, "VibrationSolitaire")->hide();
}

void FenetreCorde::ChoisitSolitaire() {
    Trouve<QWidget>(this, "OngletPeriodique")->hide();
    vibrationPeriodique_->hide();
    sim::AplatitCorde(etat_);
    Trouve<QWidget>(this, "OngletSolitaire")->show();
    Trouve<QWidget>(this, "VibrationSolitaire")->show();
    LacheLeVibreur();
    poignee_->show();
}

void FenetreCorde::PrendLeVibreur() {
    if (etat_.FormeSoliton != sim::FormeMain) {
        main_.Efface();
        etat_.FormeSoliton = sim::FormeMain;
    }
    // The hand is read at each tick, as the clock stands then; paused, the string follows it
    // at once.
    if (!timer1_.isActive())
        Timer1_Timer();
}

void FenetreCorde::LacheLeVibreur() {
    main_.Efface();
    poignee_->Repos();
    if (etat_.FormeSoliton == sim::FormeMain)
        etat_.FormeSoliton = 0;
}

void FenetreCorde::LanceImpulsion(int16_t forme) {
    LacheLeVibreur();
    etat_.FormeSoliton = forme;
    LitParametres();
    etat_.DebutSoliton = sim::DebutImpulsion(etat_, horloge_(), timer1_.isActive());
}

// The reflections start now: the class sees the first reflected front come back.
void FenetreCorde::ChoisitExtremite(int16_t extremite) {
    etat_.Extremite = extremite;
    etat_.DebutReflexions = etat_.TempsMs / 1000.0;
    capteurs_->RespecteExtremite();
    // The string as it stands with its new end, shown at once even while paused.
    sim::CalculeModele(etat_, !vibrationPeriodique_->isHidden());
    if (!timer1_.isActive() && !animation_->isHidden())
        vue_->AfficheCorde();
}

// Which frequencies give a standing wave, for the current wave speed.
void FenetreCorde::DecritExtremites() {
    for (int16_t extremite : {sim::ExtremiteFixe, sim::ExtremiteLibre}) {
        QStringList frequences;
        for (double f : sim::FrequencesPropres(extremite, etat_.Celerite))
            frequences << QLocale().toString(f, 'f', 2);
        const QString texte =
            tr("Fréquences propres : %1 Hz").arg(frequences.join(QStringLiteral(" ; ")));
        QWidget* option =
            Trouve<QWidget>(this, ("Extremite(" + std::to_string(extremite) + ")").c_str());
        option->setToolTip(texte);
        option->setAccessibleDescription(texte);
    }
}

void FenetreCorde::ChoisitRalenti(int diviseur) {
    horloge_.ChoisitFacteur(1.0 / diviseur);
    ralenti_->Montre(diviseur);
}

void FenetreCorde::AjouteAuxMenus(QAction* action) {
    addAction(action); // its keys, anywhere in the window
    for (QWidget* surface : {static_cast<QWidget*>(animation_), Trouve<QWidget>(this, "Oscillo")})
        surface->addAction(action);
}

void FenetreCorde::SepareLesMenus() {
    auto* separation = new QAction(this);
    separation->setSeparator(true);
    for (QWidget* surface : {static_cast<QWidget*>(animation_), Trouve<QWidget>(this, "Oscillo")})
        surface->addAction(separation);
}

// Ctrl+1, Ctrl+2, Ctrl+4 and Ctrl+0 (for 1/10), and the same in both context menus.
void FenetreCorde::ConnecteRalenti() {
    auto* groupe = new QActionGroup(this);
    SepareLesMenus();
    for (int diviseur : DiviseursRalenti) {
        auto* action = new QAction(diviseur == 1 ? tr("Vitesse réelle (× 1)")
                                                 : tr("Ralenti × 1/%1").arg(diviseur),
                                   groupe);
        action->setCheckable(true);
        action->setChecked(diviseur == 1);
        action->setShortcut(
            QKeySequence(Qt::CTRL | (diviseur == 10 ? Qt::Key_0 : Qt::Key_0 + diviseur)));
        connect(action, &QAction::triggered, this, [this, diviseur] { ChoisitRalenti(diviseur); });
        if (diviseur == 1)
            vitesseReelle_ = action;
        AjouteAuxMenus(action);
    }
}

void FenetreCorde::SepareLeMenuDe(QWidget* surface) {
    auto* separation = new QAction(this);
    separation->setSeparator(true);
    surface->addAction(separation);
}

void FenetreCorde::AjouteAuMenuDe(QWidget* surface, const QString& texte, QKeySequence touches,
                                  const std::function<void()>& quoi) {
    auto* action = new QAction(texte, this);
    action->setShortcut(touches);
    connect(action, &QAction::triggered, this, quoi);
    addAction(action);
    surface->addAction(action);
}

// Ctrl+F keeps the string as it is now, Ctrl+Shift+F lets them all go; in the string view's
// menu only, since they are its own.
void FenetreCorde::ConnecteAspects() {
    SepareLeMenuDe(animation_);
    AjouteAuMenuDe(animation_, tr("Figer l'aspect de la corde"), QKeySequence(Qt::CTRL | Qt::Key_F),
                   [this] { vue_->Fige(); });
    AjouteAuMenuDe(animation_, tr("Effacer les aspects figés"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F),
                   [this] { vue_->EffaceAspects(); });
}

// The reference line from the string view's menu; first shown at the vibrator's amplitude,
// the height a class reads first, then where it was left.
void FenetreCorde::ConnecteReference() {
    montreReference_ = new QAction(tr("Ligne de référence"), this);
    montreReference_->setCheckable(true);
    connect(montreReference_, &QAction::toggled, this, [this](bool montree) {
        if (montree && !referencePlacee_) {
            referencePlacee_ = true;
            reference_->Place(vibrationPeriodique_->isHidden() ? etat_.AmplitudeSolitonCm
                                                               : etat_.AmplitudeCm);
        }
        reference_->Montre(montree);
    });
    animation_->addAction(montreReference_);
}

// Ctrl+G keeps the traces on screen, Ctrl+Shift+G lets them go; the oscilloscope's own.
void FenetreCorde::ConnecteTracesGardees() {
    QWidget* oscillo = &ecran_->Surface();
    SepareLeMenuDe(oscillo);
    AjouteAuMenuDe(oscillo, tr("Garder les traces"), QKeySequence(Qt::CTRL | Qt::Key_G),
                   [this] { traces_->Garde(); });
    AjouteAuMenuDe(oscillo, tr("Effacer les traces gardées"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G),
                   [this] { traces_->EffaceGardees(); });
}

void FenetreCorde::CacheAnimation() {
    animation_->hide();
}

void FenetreCorde::MontreAnimation() {
    animation_->show();
    animation_->Efface();
}

} // namespace fenetre
