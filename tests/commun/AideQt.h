// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window, view and scope tests share: a clock the test moves by hand, a main
// window built on it, and pixel reads in a surface's own units.

#include "fenetre/Construction.h"
#include "fenetre/FenetreCorde.h"
#include "kit/SurfaceDessin.h"
#include "sim/Horloge.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QObject>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace aide {

inline const QColor GrilleEntiere(220, 220, 255);
inline const QColor GrilleDemi(240, 240, 255);
inline const QColor CouleurCorde(127, 127, 127);
inline const QColor TraceBleue(121, 123, 181);
inline const QColor TraceOrange(237, 127, 28);

struct HorlogeFactice {
    double secondes = 36000.0; // ten in the morning
    sim::HorlogeMurale Fonction() {
        return [this] { return secondes; };
    }
};

// Swallows a timer's own timeouts: it stays started, at its interval, and never fires.
struct TimerMuet : QObject {
    bool eventFilter(QObject*, QEvent* evenement) override {
        return evenement->type() == QEvent::Timer;
    }
};

struct Banc {
    HorlogeFactice horloge;
    TimerMuet muet;
    std::unique_ptr<fenetre::FenetreCorde> fenetre;

    explicit Banc(bool montre = true)
        : fenetre(std::make_unique<fenetre::FenetreCorde>(horloge.Fonction())) {
        // Ticks are run by hand: the real timer must not add any behind the test's back (one
        // between two looks at the screen tells them apart), but its enabled state is the
        // program's state, so it keeps it.
        fenetre->Timer1().installEventFilter(&muet);
        if (montre) {
            fenetre->show();
            (void)QTest::qWaitForWindowExposed(fenetre.get());
        }
    }

    template <typename T = QWidget> T* operator()(const char* nom) const {
        return kit::Trouve<T>(fenetre.get(), nom);
    }
    kit::SurfaceDessin& Surface(const char* nom) const {
        return *(*this).operator()<kit::SurfaceDessin>(nom);
    }
    const sim::EtatSimulation& Etat() const { return fenetre->Etat(); }

    // Clicks the middle of a control, as a user would.
    void Clique(const char* nom) const {
        QWidget* w = (*this)(nom);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    // Clicks an option button on its round, as a user would.
    void Choisit(const char* nom) const {
        QWidget* option = (*this)(nom);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }
    // Advances the fake clock and runs one tick, as the timer would.
    void Tick(double secondes = 0.01) {
        horloge.secondes += secondes;
        fenetre->Timer1_Timer();
    }
};

// What the window shows on the screen after the pending repaints: the backing store, not a
// fresh rendering of the widgets, so a repaint that was never asked for shows.
inline QImage Ecran(QWidget* fenetre) {
    QCoreApplication::processEvents();
    return fenetre->screen()->grabWindow(fenetre->winId()).toImage();
}

// What a control shows on the screen equals what it would show if it were drawn afresh now,
// the whole of it at once: nothing painted over a surface's picture (a marker, an overlay)
// stays where it no longer is.
inline ::testing::AssertionResult CommeRedessine(QWidget* controle) {
    QWidget* fenetre = controle->window();
    const qreal ratio = fenetre->devicePixelRatioF();
    const QRect zone(controle->mapTo(fenetre, QPoint()) * ratio, controle->size() * ratio);
    const QImage ecran = Ecran(fenetre).copy(zone);
    controle->repaint();
    const QImage frais = Ecran(fenetre).copy(zone);
    int differents = 0;
    QPoint premier;
    for (int y = 0; y < frais.height(); ++y)
        for (int x = 0; x < frais.width(); ++x)
            if (ecran.pixel(x, y) != frais.pixel(x, y) && differents++ == 0)
                premier = {x, y};
    if (differents == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << differents << " device pixels differ from a fresh render, the first at ("
           << premier.x() << ", " << premier.y()
           << "): " << qPrintable(QColor(ecran.pixel(premier)).name()) << " on screen, "
           << qPrintable(QColor(frais.pixel(premier)).name()) << " drawn afresh";
}

// The colour of the retained image at user coordinates (x, y).
inline QColor Pixel(kit::SurfaceDessin& surface, double x, double y) {
    const QImage image = surface.Image();
    const qreal ratio = image.devicePixelRatio();
    const QPoint p(static_cast<int>(surface.echelle().PixelX(x) * ratio),
                   static_cast<int>(surface.echelle().PixelY(y) * ratio));
    return image.pixelColor(p);
}

inline bool Contient(kit::SurfaceDessin& surface, double x, double y, QColor couleur,
                     int rayon = 1) {
    const QImage image = surface.Image();
    const qreal ratio = image.devicePixelRatio();
    const int cx = static_cast<int>(surface.echelle().PixelX(x) * ratio);
    const int cy = static_cast<int>(surface.echelle().PixelY(y) * ratio);
    for (int dy = -rayon; dy <= rayon; ++dy)
        for (int dx = -rayon; dx <= rayon; ++dx)
            if (image.rect().contains(cx + dx, cy + dy) &&
                image.pixelColor(cx + dx, cy + dy) == couleur)
                return true;
    return false;
}

// First and last device rows holding a colour in the column at user abscissa x, or
// (-1, -1): where a place is determined to the pixel, a check of it allows no slack.
inline std::pair<int, int> Rangees(kit::SurfaceDessin& surface, double x, QColor couleur) {
    const QImage image = surface.Image();
    const int colonne = static_cast<int>(surface.echelle().PixelX(x) * image.devicePixelRatio());
    std::pair<int, int> rangees{-1, -1};
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(colonne, y) == couleur) {
            if (rangees.first < 0)
                rangees.first = y;
            rangees.second = y;
        }
    return rangees;
}

} // namespace aide
