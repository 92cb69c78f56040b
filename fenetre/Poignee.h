// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/SurfaceDessin.h"

#include <QWidget>

#include <functional>

namespace fenetre {

// The vibrator's block, taken in hand: a press on it and a drag up or down move the end of
// the string with the pointer; with the keyboard, Up and Down by 0.1 cm (Shift: 0.5 cm),
// Home back to rest. It stands over the block's column of the string view, and a press
// elsewhere in that column goes on to the view (the measuring line).
class PoigneeVibreur : public QWidget {
    Q_OBJECT
public:
    static constexpr double Limite = 3.4; // cm: the block stays inside the view
    static constexpr double PasClavier = 0.1, GrandPasClavier = 0.5;

    // Where the block is drawn now (cm), and what to do when the hand has moved it.
    PoigneeVibreur(kit::SurfaceDessin& vue, std::function<double()> elongationAffichee,
                   std::function<void()> deplace);

    double Position() const { return position_; }
    void Place(double cm); // as the hand would
    void Repos() { position_ = 0; }

protected:
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void focusInEvent(QFocusEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void SuitLaVue();
    double ElongationSous(QPointF position) const;
    QRect ZoneBloc() const;

    kit::SurfaceDessin& vue_;
    std::function<double()> elongationAffichee_;
    std::function<void()> deplace_;
    double position_ = 0;
    bool tenu_ = false;
};

} // namespace fenetre
