// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fenetre/Poignee.h"

namespace fenetre {

// A dashed line across the string view at a height the class chooses, to read an amplitude
// against, or how far damping brings a crest down; its height written beside it as the
// readout rounds it. The line and its text are drawn over the view, never into its picture;
// the widget is the grip at its right end. A child of the view, it goes with the view and
// never before it, so it never takes its drawing back from a view half gone.
class LigneReference : public PoigneeVerticale, public kit::Surcouche {
    Q_OBJECT
public:
    explicit LigneReference(kit::SurfaceDessin& vue);

    void Montre(bool montree);
    bool EstMontree() const { return !isHidden(); }
    QString Texte() const; // "y = 1,20 cm"
    QString TexteValeur() const override;

    QRect Zone() const override;
    void Peint(QPainter& p) const override;

protected:
    QRect ZonePrise() const override { return rect(); }
    void SuitLaVue() override;

private:
    int LigneY() const; // the line's row in the view's pixels
    QRect Poignee() const;
    QRect Cadre() const; // the text's

    QRect zone_; // what was last declared, to repaint it on a move
};

} // namespace fenetre
