// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/SurfaceDessin.h"

#include <QWidget>

#include <functional>

namespace fenetre {

// Something on the string view that the hand moves up and down, in cm above the rest line: a
// press on its grip and a drag move it with the pointer (or a finger); with the keyboard, Up
// and Down by 0.1 cm (Shift: 0.5 cm), Home back to the rest line. A press on the widget away
// from the grip goes on to the view (the measuring line).
class PoigneeVerticale : public QWidget {
    Q_OBJECT
public:
    static constexpr double Limite = 3.4; // cm: it stays inside the view
    static constexpr double PasClavier = 0.1, GrandPasClavier = 0.5;

    double Position() const { return position_; }
    void Place(double cm); // as the hand would
    // Its value as a screen reader says it.
    virtual QString TexteValeur() const;

protected:
    PoigneeVerticale(kit::SurfaceDessin& vue, std::function<void()> deplace);

    // Where a press takes it, in its own coordinates.
    virtual QRect ZonePrise() const = 0;
    // Its place over the view, which the view's size and zoom decide.
    virtual void SuitLaVue() = 0;

    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void focusInEvent(QFocusEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

    kit::SurfaceDessin& vue_;
    double position_ = 0;

private:
    double HauteurSous(QPointF position) const;

    std::function<void()> deplace_;
    bool tenu_ = false;
};

// The vibrator's block, taken in hand: the end of the string follows it. It stands over the
// block's column of the string view.
class PoigneeVibreur : public PoigneeVerticale {
    Q_OBJECT
public:
    // Where the block is drawn now (cm), and what to do when the hand has moved it.
    PoigneeVibreur(kit::SurfaceDessin& vue, std::function<double()> elongationAffichee,
                   std::function<void()> deplace);

    void Repos() { position_ = 0; }

protected:
    QRect ZonePrise() const override;
    void SuitLaVue() override;

private:
    std::function<double()> elongationAffichee_;
};

} // namespace fenetre
