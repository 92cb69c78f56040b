// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Disposition.h"

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QStyle>
#include <QWidget>

#include <functional>

namespace kit {

// The largest zoom at which a layout of the given size at zoom 1 fits in an area.
double ZoomQuiTient(QSize disponible, QSize aZoomUn);

// One zoom for everything in a window. At rest the window is exactly its layout at its
// normal zoom; maximised, full screen or resized, the layout takes the largest zoom that
// fits, centred, the margins in the window's background colour. Leaving that state gives
// the normal zoom back.
class ZoomFenetre : public QObject {
    Q_OBJECT
public:
    // applique places, sizes and draws the window's controls again at a zoom, the layout's
    // top-left corner at an origin in the window.
    using Application = std::function<void(double zoom, QPoint origine)>;
    ZoomFenetre(QWidget* fenetre, const Fenetre& disposition, Application applique);

    double Zoom() const { return zoom_; }
    double ZoomNormal() const { return zoomNormal_; }
    QPoint Origine() const { return origine_; }
    QSize TailleContenu(double zoom) const;

    // The zoom of the window at rest; a window at rest takes its size.
    void ChoisitZoomNormal(double zoom);
    // Zoom 1 where the framed window fits the screen's available area, else the largest
    // zoom that fits; centred in that area, frame included. Called before the window is
    // shown, and again once the window manager has put its frame on.
    void PlaceSurEcran();

signals:
    // After everything was placed and drawn again at a new zoom or origin.
    void zoomModifie();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Ajuste();
    void AppliqueStyle(double zoom);
    void SuitLeCadre();
    void SurAutreEcran();
    QMargins Cadre() const;

    QWidget* fenetre_;
    const Fenetre& disposition_;
    Application applique_;
    double zoom_ = 1;
    double zoomNormal_ = 1;
    QPoint origine_;
    QMargins cadre_;
    QStyle* style_ = nullptr;
    bool place_ = false; // placed by PlaceSurEcran, and not yet framed
    bool ecranSuivi_ = false;
};

// The zoom of a window built from a layout, made once with the window.
ZoomFenetre* ZoomDe(QWidget* fenetre);

} // namespace kit
