// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fenetre/LigneReference.h"
#include "fenetre/Poignee.h"
#include "fenetre/Ralenti.h"
#include "mesure/OutilsLecon.h"
#include "scope/EcranOscillo.h"
#include "scope/Traces.h"
#include "sim/Etat.h"
#include "sim/Horloge.h"
#include "sim/Lecon.h"
#include "sim/Main.h"
#include "view/Capteurs.h"
#include "view/VueCorde.h"

#include <QAction>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <variant>

class QLabel;
class QScrollBar;
namespace kit {
class SurfaceDessin;
}

namespace fenetre {

// A lesson file read and checked whole, or why not, naming the file and the line, in the
// interface's language.
std::variant<sim::Lecon, QString> LitFichierLecon(const QString& chemin);

// The main window: builds its controls from the layout, owns the simulation state and the
// timer, wires every event to its handler and runs the tick in its fixed order.
class FenetreCorde : public QWidget {
    Q_OBJECT
public:
    explicit FenetreCorde(sim::HorlogeMurale horloge, QWidget* parent = nullptr);
    ~FenetreCorde() override;

    // One tick: clock step (while the timer runs), model, frame, then each active sensor.
    void Timer1_Timer();
    void AfficheCapteur(int16_t n);

    const sim::EtatSimulation& Etat() const { return etat_; }
    QTimer& Timer1() { return timer1_; }
    view::VueCorde& Vue() { return *vue_; }
    scope::Traces& Traces() { return *traces_; }
    mesure::OutilsLecon& Outils() { return *outils_; }
    const IndicateurRalenti& Ralenti() const { return *ralenti_; }
    PoigneeVibreur& Poignee() { return *poignee_; }
    LigneReference& Reference() { return *reference_; }

    // The window's settings as a lesson, and a lesson applied as if each control had been
    // moved by hand, the clock from zero. An opened lesson keeps its title and comment.
    sim::Lecon Lecon() const;
    void AppliqueLecon(const sim::Lecon& lecon);
    void Reinitialise() { AppliqueLecon(sim::Lecon{}); }
    // Reads, checks and applies the file, or says why not and leaves the lesson as it is;
    // an empty string is a success.
    QString OuvreLecon(const QString& chemin);
    QString EnregistreLecon(const QString& chemin);
    // Where the lesson dialogs would ask a person (the answer continues in `suite`), and
    // where a refusal is told.
    std::function<void(bool ouvrir, mesure::SuiteOuverture suite)> demandeLecon;
    std::function<void(const QString& message)> signaleLecon;
    const sim::HistoriqueVibreur& Main() const { return main_; }

protected:
    // Space plays or pauses, P steps; a focused control that uses the key keeps it. F11
    // goes to full screen and back; Escape leaves it.
    void keyPressEvent(QKeyEvent* evenement) override;
    // The Menu key or Shift+F10 on a control without a menu of its own: the menu of the
    // screen beside it (the oscilloscope's for the right column, else the string view's).
    void contextMenuEvent(QContextMenuEvent* evenement) override;

private:
    void Charge();
    void Connecte();
    void ConnecteBarres();
    void LitParametres();

    void Pause();
    void Lecture();
    void EchangeBoutons(const char* cache, const char* montre);
    void PasAPas();
    void ChoisitPeriodique();
    void ChoisitSolitaire();
    void LanceImpulsion(int16_t forme);
    void ChoisitExtremite(int16_t extremite);
    void DecritExtremites();
    void CacheAnimation();
    void MontreAnimation();

    // Slow motion: the simulation runs at 1/diviseur of the wall clock.
    void ChoisitRalenti(int diviseur);
    void ConnecteLecons();
    // An entry of both context menus, its keys working anywhere in the window.
    void AjouteAuxMenus(QAction* action);
    void SepareLesMenus();
    void ConnecteRalenti();
    void ConnecteAspects();
    void ConnecteTracesGardees();
    void ConnecteReference();
    // An entry of one surface's menu only, with its keys anywhere in the window.
    void AjouteAuMenuDe(QWidget* surface, const QString& texte, QKeySequence touches,
                        const std::function<void()>& quoi);
    void SepareLeMenuDe(QWidget* surface);

    // The block moved by hand: the string carries the motion from now on.
    void PrendLeVibreur();
    void LacheLeVibreur(); // back to rest at once, the motion forgotten

    sim::HorlogeRalentie horloge_;
    sim::HistoriqueVibreur main_;
    sim::EtatSimulation etat_;
    QTimer timer1_; // a child, so that it is found by its name like every other control

    kit::SurfaceDessin* animation_ = nullptr;
    QWidget* vibrationPeriodique_ = nullptr;
    std::unique_ptr<view::VueCorde> vue_;
    std::unique_ptr<view::Capteurs> capteurs_;
    std::unique_ptr<scope::EcranOscillo> ecran_;
    std::unique_ptr<scope::Traces> traces_;
    mesure::OutilsLecon* outils_ = nullptr; // a child
    std::unique_ptr<IndicateurRalenti> ralenti_;
    PoigneeVibreur* poignee_ = nullptr;   // a child of the string view
    LigneReference* reference_ = nullptr; // a child of the string view
    QAction* montreReference_ = nullptr;
    bool referencePlacee_ = false;
    std::string titre_, commentaire_;  // of the lesson opened last
    QAction* vitesseReelle_ = nullptr; // × 1 among the slow motion's entries
};

} // namespace fenetre
