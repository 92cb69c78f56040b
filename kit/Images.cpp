// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Images.h"

#include "kit/Palette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace kit {
namespace {

constexpr QColor MarineBouton(17, 22, 53);
constexpr QColor MarineIcone(16, 22, 55);
constexpr QColor GrisFonce(90, 90, 90);
constexpr QColor FondClair(224, 224, 224);

int AuZoom(double pixels, double zoom) {
    return std::max(1, static_cast<int>(std::lround(pixels * zoom)));
}

// Drawn in the picture's own pixels; at another zoom the painter scales the drawing, not
// the bitmap, so every curve is rasterised afresh at the size it is shown.
QPixmap Toile(int largeur, int hauteur, QColor fond, double zoom,
              const std::function<void(QPainter&)>& dessine) {
    QPixmap pixmap(AuZoom(largeur, zoom), AuZoom(hauteur, zoom));
    pixmap.fill(fond);
    QPainter peintre(&pixmap);
    peintre.setRenderHint(QPainter::Antialiasing);
    if (zoom != 1)
        peintre.scale(double(pixmap.width()) / largeur, double(pixmap.height()) / hauteur);
    dessine(peintre);
    return pixmap;
}

// A curve y = f(x) across [x0, x1] pixels, sampled every half pixel.
QPainterPath Courbe(double x0, double x1, const std::function<double(double)>& f) {
    QPainterPath chemin;
    chemin.moveTo(x0, f(x0));
    for (double x = x0 + 0.5; x <= x1; x += 0.5)
        chemin.lineTo(x, f(x));
    return chemin;
}

QPixmap IconeSinus(QColor trait, QColor fond, double z) {
    return Toile(71, 29, fond, z, [&](QPainter& p) {
        p.setPen(QPen(trait, 2));
        // Three humps: one and a half periods across the icon.
        p.drawPath(Courbe(4, 67, [](double x) {
            return 14.5 - 9 * std::sin((x - 4) / 63 * 3 * std::numbers::pi);
        }));
    });
}

QPixmap Bosse(int largeur, int hauteur, double demiLargeur, QColor trait, QColor fond, double z) {
    return Toile(largeur, hauteur, fond, z, [&](QPainter& p) {
        p.setPen(QPen(trait, 2));
        const double centre = largeur / 2.0;
        const double base = hauteur - 6.0;
        p.drawPath(Courbe(3, largeur - 3, [&](double x) {
            return base - (base - 5) / std::cosh((x - centre) / demiLargeur);
        }));
    });
}

QPixmap CaseCapteur(QColor couleur, bool cochee, double z) {
    return Toile(16, 16, couleur, z, [&](QPainter& p) {
        if (!cochee)
            return;
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{3.5, 8.5}, {6.5, 11.5}, {12.5, 4.5}}));
    });
}

QPixmap BoutonLecture(bool avecBarre, double z) {
    return Toile(25, 25, MarineBouton, z, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const double gauche = avecBarre ? 10 : 8;
        if (avecBarre)
            p.drawRect(QRectF(5, 6, 3, 13));
        p.drawPolygon(QPolygonF({{gauche, 6}, {gauche + 10, 12.5}, {gauche, 19}}));
    });
}

QPixmap BoutonPause(double z) {
    return Toile(25, 25, MarineBouton, z, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 6, 4, 13));
        p.drawRect(QRectF(14, 6, 4, 13));
    });
}

QPixmap CroixRouge(double z) {
    return Toile(48, 48, QColor(0, 0, 64), z, [](QPainter& p) {
        p.setPen(QPen(QColor(220, 30, 30), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(36, 36));
        p.drawLine(QPointF(36, 12), QPointF(12, 36));
    });
}

QPixmap TriangleDemarrer(double z) {
    return Toile(20, 20, Qt::white, z, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 80, 220));
        p.drawPolygon(QPolygonF({{5, 3}, {17, 10}, {5, 17}}));
    });
}

void DessineLogo(QPainter& p, double cote) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 190));
    p.drawRoundedRect(QRectF(0, 0, cote, cote), cote * 0.12, cote * 0.12);
    p.setPen(QPen(Qt::white, std::max(1.5, cote / 16)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Courbe(cote * 0.1, cote * 0.9, [cote](double x) {
        return cote * (0.5 - 0.25 * std::sin((x / cote - 0.1) / 0.8 * 2 * std::numbers::pi));
    }));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 0));
    const double rayon = std::max(2.0, cote / 11);
    p.drawEllipse(QPointF(cote * 0.3, cote * 0.25), rayon, rayon);
}

QPixmap Banniere(double z) {
    return Toile(733, 171, QColor(232, 236, 244), z, [](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(205, 212, 228));
        for (int x = 0; x < 733; x += 20)
            p.drawLine(x, 0, x, 170);
        for (int y = 5; y < 171; y += 20)
            p.drawLine(0, y, 732, y);
        p.setRenderHint(QPainter::Antialiasing);
        const auto onde = [](double x) {
            return 85 - 55 * std::sin(x / 733 * 8 * std::numbers::pi);
        };
        p.setPen(QPen(QColor(127, 127, 127), 3));
        p.drawPath(Courbe(0, 733, onde));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(255, 128, 0));
        p.drawRect(QRectF(180 - 6, onde(180) - 6, 12, 12));
        p.setBrush(QColor(128, 128, 255));
        p.drawRect(QRectF(520 - 6, onde(520) - 6, 12, 12));
    });
}

// A simple hand: palm, thumb, and either one raised index or two fingers pinching.
QPixmap MainCurseur(bool pince, double z) {
    QPixmap pixmap(AuZoom(32, z), AuZoom(32, z));
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (z != 1)
        p.scale(pixmap.width() / 32.0, pixmap.height() / 32.0);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    QPainterPath main;
    if (!pince) {
        main.addRoundedRect(QRectF(10, 0.5, 5, 16), 2.5, 2.5); // index, tip at (12, 1)
        main.addRoundedRect(QRectF(8, 12, 17, 15), 4, 4);      // palm
        main.addRoundedRect(QRectF(15, 9, 4.5, 8), 2, 2);      // folded fingers
        main.addRoundedRect(QRectF(19.5, 10, 4.5, 8), 2, 2);
        main.addRoundedRect(QRectF(3, 15, 8, 4.5), 2, 2); // thumb
    } else {
        main.addRoundedRect(QRectF(3, 13.5, 13, 5), 2.5, 2.5); // pinching fingers, at (4, 16)
        main.addRoundedRect(QRectF(13, 8, 14, 16), 4, 4);      // palm
        main.addRoundedRect(QRectF(7, 18, 9, 4.5), 2, 2);      // thumb
    }
    p.drawPath(main.simplified());
    return pixmap;
}

} // namespace

QPixmap Logo(int cote) {
    QPixmap pixmap(cote, cote);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    DessineLogo(p, cote);
    return pixmap;
}

QPixmap Pixmap(Dessin dessin, double z) {
    switch (dessin) {
    case Dessin::Aucun:
        return {};
    case Dessin::Logo:
        return Toile(71, 69, Qt::white, z, [](QPainter& p) { DessineLogo(p, 69); });
    case Dessin::Banniere:
        return Banniere(z);
    case Dessin::Pause:
        return BoutonPause(z);
    case Dessin::Lecture:
        return BoutonLecture(false, z);
    case Dessin::Pas:
        return BoutonLecture(true, z);
    case Dessin::Croix:
        return CroixRouge(z);
    case Dessin::SinusClair:
        return IconeSinus(Qt::white, MarineIcone, z);
    case Dessin::SinusSombre:
        return IconeSinus(GrisFonce, FondClair, z);
    case Dessin::BosseClaire:
        return Bosse(71, 29, 5, Qt::white, MarineIcone, z);
    case Dessin::BosseSombre:
        return Bosse(71, 29, 5, GrisFonce, FondClair, z);
    case Dessin::ImpulsionEtroite:
        return Bosse(86, 29, 3, QColor(127, 127, 127), FondClair, z);
    case Dessin::ImpulsionMoyenne:
        return Bosse(86, 29, 6, QColor(127, 127, 127), FondClair, z);
    case Dessin::ImpulsionLarge:
        return Bosse(86, 29, 11, QColor(127, 127, 127), FondClair, z);
    case Dessin::CaseBleue:
        return CaseCapteur(Couleur(CaseCapteur1), false, z);
    case Dessin::CaseBleueCochee:
        return CaseCapteur(Couleur(CaseCapteur1), true, z);
    case Dessin::CaseOrange:
        return CaseCapteur(Couleur(CaseCapteur2), false, z);
    case Dessin::CaseOrangeCochee:
        return CaseCapteur(Couleur(CaseCapteur2), true, z);
    case Dessin::TriangleDemarrer:
        return TriangleDemarrer(z);
    }
    return {};
}

QCursor CurseurDe(Curseur curseur, double z) {
    const auto pointChaud = [z](int pixels) { return static_cast<int>(std::lround(pixels * z)); };
    switch (curseur) {
    case Curseur::Main:
        return QCursor(MainCurseur(false, z), pointChaud(12), pointChaud(1));
    case Curseur::Pince:
        return QCursor(MainCurseur(true, z), pointChaud(4), pointChaud(16));
    case Curseur::Fleche:
        break;
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace kit
