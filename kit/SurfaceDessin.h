// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace kit {

// A surface's user scale: the unit values at the inner top-left corner and the twips per
// unit, at the window's zoom. y grows downwards.
struct Echelle {
    double gauche = 0, haut = 0, twipsParUniteX = 12, twipsParUniteY = 12;
    double zoom = 1;

    double PixelX(double x) const { return (x - gauche) * twipsParUniteX * zoom / 12; }
    double PixelY(double y) const { return (y - haut) * twipsParUniteY * zoom / 12; }
    double UniteX(double px) const { return gauche + px * 12 / (twipsParUniteX * zoom); }
    double UniteY(double px) const { return haut + px * 12 / (twipsParUniteY * zoom); }
};

// Something shown over a surface's picture and never drawn into it, so that the picture
// underneath is what the drawing routines made, intact when it goes.
class Surcouche {
public:
    virtual ~Surcouche() = default;
    // The widget pixels it may cover; empty when it shows nothing.
    virtual QRect Zone() const = 0;
    virtual void Peint(QPainter& p) const = 0;
};

// A child control that its surface paints with the surface's own picture (a sensor's bar or
// square): moving it every tick then dirties only the surface, never a repaint of its own
// nor of the controls beneath it.
class PeintParSurface {
public:
    // Where the surface shows it, in the surface's pixels.
    virtual QRect Zone() const = 0;
    // Its look within zone, in the surface's coordinates.
    virtual void Peint(QPainter& p, QRect zone) const = 0;
    // The control, what the pointer hits, to where it is shown.
    virtual void Rattrape() = 0;

protected:
    ~PeintParSurface() = default;
};

// A one-pixel-bordered panel whose drawing is retained in an image at the device pixel
// ratio, so what was drawn before the window was shown, or under another window, is still
// there; paintEvent only copies. Line widths are in pixels whatever the scale.
//
// Lines and boxes are rasterised here, without antialiasing, straight into the image: a
// wide line through QPainter goes through the path stroker, which alone would take most of
// a 10 ms tick for the 184 segments of the string.
class SurfaceDessin : public QWidget {
    Q_OBJECT
public:
    SurfaceDessin(QWidget* parent, const Echelle& echelle, QColor fond);

    const Echelle& echelle() const { return echelle_; }
    // The window's zoom: a unit covers zoom times the pixels, and lines are zoom times as
    // wide. What was drawn is kept, resampled, until whoever can draw it again does.
    void Zoom(double zoom);
    QSize TailleInterieure() const { return size() - QSize(2, 2); }

    void Efface();
    void LargeurTrait(int pixels) { largeur_ = pixels; }
    void CouleurAvantPlan(QColor couleur) { avantPlan_ = couleur; }
    void CouleurRemplissage(QColor couleur) { remplissage_ = couleur; }

    void Ligne(float x1, float y1, float x2, float y2, QColor couleur);
    // The same pixels as one Ligne per segment, in one pass.
    void Lignes(std::span<const QLineF> segments, QColor couleur);
    // Filled with the line colour, or outlined in it with the fill colour inside.
    void Boite(float x1, float y1, float x2, float y2, QColor couleur, bool pleine);
    void Imprime(const QString& texte);

    float CourantX() const { return courantX_; }
    float CourantY() const { return courantY_; }
    void PlaceCourant(float x, float y);

    // Pointer position in the widget to user units, and back.
    QPointF VersUnites(QPointF positionWidget) const;
    QPointF VersWidget(double x, double y) const;

    // Painted over the picture, in the order added; the caller keeps them alive.
    void AjouteSurcouche(const Surcouche* surcouche);
    void RetireSurcouche(const Surcouche* surcouche);
    // An overlay moved or changed: what it covered and what it covers now are repainted.
    void SurcoucheModifiee(QRect ancienneZone, QRect nouvelleZone);
    // A child control painted by the surface, bottom to top as the children stand, from
    // now until it is destroyed.
    void PeintEnfant(QWidget* enfant, PeintParSurface* peint);
    // Where a child control stands with its top-left corner at user coordinates.
    QPoint PositionEnfant(float gauche, float haut) const;

    // The retained picture, to compare, or to restore a composed background.
    QImage Image();
    void Restaure(const QImage& image);
    // Copies back only a part, in device pixels, of an image of the same size.
    void RestaureZone(const QImage& image, QRect zone);

    // Counts every change of the picture, so that a caller can tell whether anyone else
    // drew since it last did.
    uint64_t Generation() const { return generation_; }
    // Between the two, drawing only records the device pixels it touches and leaves the
    // repaint to FinSuivi, which schedules it for those pixels and any others given.
    void DebutSuivi();
    QRect FinSuivi(QRect aRepeindreAussi = {});

signals:
    void survolGlisser(QWidget* controle, float x, float y);
    // The picture was cleared: what was drawn over it no longer belongs to it.
    void efface();
    // The window moved to a screen of another ratio, or took another zoom: the picture was
    // kept, resampled, and whoever can draw it again crisply may.
    void resolutionModifiee();

protected:
    void paintEvent(QPaintEvent* evenement) override;
    // The markers that follow the wave catch up with where they are shown.
    void enterEvent(QEnterEvent* evenement) override;
    void childEvent(QChildEvent* evenement) override;

private:
    void PrepareImage();
    void Remplit(QRect zone, QRgb couleur);
    void Touche(QRect zoneDevice);
    // Device pixels of a width given in layout pixels.
    int Device(double pixels) const;
    QRect VersLogique(QRect zoneDevice) const;
    PeintParSurface* PeintPar(const QObject* enfant) const;

    Echelle echelle_;
    QColor fond_;
    std::vector<const Surcouche*> surcouches_;
    std::vector<std::pair<const QObject*, PeintParSurface*>> peints_;
    QImage image_;
    double zoomImage_ = 1;
    uint64_t generation_ = 0;
    bool suivi_ = false;
    QRect touchee_;
    int largeur_ = 1;
    QColor avantPlan_ = Qt::black;
    QColor remplissage_ = QColor(192, 192, 192);
    float courantX_ = 0, courantY_ = 0;
};

} // namespace kit
