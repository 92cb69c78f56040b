// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/SurfaceDessin.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

namespace mesure {

// A readout that follows the pointer over a surface, and a measuring line drawn by a
// press-and-drag from the press to the pointer. Both are drawn over the picture, never
// into it; the line stays until the next press or until the surface is cleared.
class Mesureur : public QObject, public kit::Surcouche {
    Q_OBJECT
public:
    // What to read at a place, in the surface's units (empty: nothing there), and between
    // two places.
    using Lecture = std::function<QString(QPointF unites)>;
    using Ecart = std::function<QString(QPointF depart, QPointF arrivee)>;

    Mesureur(kit::SurfaceDessin& surface, Lecture lecture, Ecart ecart);
    ~Mesureur() override;

    QString Texte() const;      // the readout under the pointer, or empty
    QString TexteEcart() const; // the measurement, or empty
    void Oublie();              // the measuring line goes
    // For a picture of the window: the readout left out, the measuring line kept.
    void MasqueLecture(bool masque) { lectureMasquee_ = masque; }

    QRect Zone() const override;
    void Peint(QPainter& p) const override;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // Changes what is shown, and repaints what it covered and covers now.
    template <typename F> void Change(F&& changement);
    QRect BoiteTexte(const QString& texte, QPointF ancre) const;
    QRect ZoneLigne() const;

    kit::SurfaceDessin& surface_;
    QPointer<kit::SurfaceDessin> vivante_; // the surface may go first, with the window
    Lecture lecture_;
    Ecart ecart_;
    std::optional<QPointF> pointeur_;         // widget pixels
    std::optional<QPointF> depart_, arrivee_; // surface units
    bool enCours_ = false;
    bool lectureMasquee_ = false;
};

// A number for a person, in the language of the interface ("0,25" in French).
QString Nombre(double valeur, int decimales = 2);

} // namespace mesure
