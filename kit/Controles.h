// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Disposition.h"
#include "kit/SurfaceDessin.h"

#include <QFocusEvent>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <limits>

namespace kit {

// A container with a background, an optional one-pixel border and an optional picture
// shown unscaled from its inner top-left corner.
class Panneau : public QWidget {
    Q_OBJECT
public:
    Panneau(QWidget* parent, QColor fond, bool bordure);
    void Image(QPixmap image);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor fond_;
    bool bordure_;
    QPixmap image_;
};

// The dotted frame that shows which control the keyboard has reached. Only the keyboard
// shows it: the focus a window gives itself when it opens leaves the layout untouched.
bool FocusDuClavier(const QFocusEvent* evenement);
void DessineFocus(QWidget* controle);

template <typename Base> class AvecFocusClavier : public Base {
public:
    using Base::Base;

protected:
    void focusInEvent(QFocusEvent* evenement) override {
        focusClavier_ = FocusDuClavier(evenement);
        Base::focusInEvent(evenement);
        this->update();
    }
    void focusOutEvent(QFocusEvent* evenement) override {
        focusClavier_ = false;
        Base::focusOutEvent(evenement);
        this->update();
    }
    // To be called last in paintEvent.
    void DessineFocusSiClavier() {
        if (focusClavier_)
            DessineFocus(this);
    }

private:
    bool focusClavier_ = false;
};

// A label or a picture that reports a click: a press and a release on the control.
class Etiquette : public AvecFocusClavier<QLabel> {
    Q_OBJECT
public:
    // A clickable one shows the pointing hand and is a button to assistive technology.
    Etiquette(QWidget* parent, bool cliquable)
        : AvecFocusClavier<QLabel>(parent), cliquable_(cliquable) {}
    bool EstCliquable() const { return cliquable_; }
signals:
    void clique();

protected:
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    // From the keyboard, Space or Enter on a control that takes the focus is its click.
    void keyPressEvent(QKeyEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;

private:
    bool cliquable_;
    bool enfonce_ = false;
};

// A sensor bar or square: a plain coloured label inside a drawing surface, placed in the
// surface's units, that drags automatically. The surface paints it. Pressing the button on it and
// moving starts a drag with an outline of its size; the surface under the pointer (not a child of
// it) is told where the pointer is, in its units. It never reports a click and never moves itself.
class Marqueur : public AvecFocusClavier<QWidget>, public PeintParSurface {
    Q_OBJECT
public:
    Marqueur(SurfaceDessin* surface, QColor fond, bool bordure);

    float Gauche() const { return gauche_; }
    float Haut() const { return haut_; }
    void PlaceGauche(float gauche);
    void Place(float gauche, float haut);
    // Follows a point of the moving string, every tick: shown there at once, while the
    // control itself, what the pointer hits, catches up only with the pointer over the
    // surface. Moving a control every tick made Qt work out again which controls hide which,
    // over the whole window, at each repaint.
    void Suit(float gauche, float haut);
    // The control to where it is shown.
    void Rattrape() override;
    QRect Zone() const override;
    // Moves it as a drag to that abscissa would, kept between 0 and AbscisseMax.
    void Deplace(float gauche);
    // As far right as it may go: the view's edge, or a bound set by its owner.
    float AbscisseMax() const;
    void Borne(float droite) { borne_ = droite; }
    void CouleurFond(QColor fond);
    QColor CouleurFond() const { return fond_; }
    bool EnGlissement() const { return contour_ != nullptr; }
    void Peint(QPainter& p, QRect zone) const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void focusInEvent(QFocusEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;
    // Left and Right move a focused marker as a drag would: a tenth of a centimetre, or a
    // whole one with Shift.
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void Survole(QPointF positionGlobale);
    void TermineGlissement();
    // Its look is the surface's pixels: wherever it now stands, the surface repaints.
    void RepeintSurface();
    void Montre(float gauche, float haut);

    SurfaceDessin* surface_;
    QColor fond_;
    bool bordure_;
    float gauche_ = 0, haut_ = 0;
    bool enRetard_ = false; // shown elsewhere than the control stands
    float borne_ = std::numeric_limits<float>::max();
    bool bouton_ = false;
    QPointF prise_; // where the control was grabbed, in its own pixels
    QPointer<QWidget> contour_;
};

} // namespace kit
