// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/MarqueExtremite.h"

#include "sim/ModeleOnde.h"

#include <QPainterPath>

namespace view {
namespace {

const QColor GrisTrait(127, 127, 127);
const QColor GrisPiece(200, 200, 200);
constexpr double Bout = sim::LongueurCorde;
constexpr double Largeur = 0.3; // cm past the end
constexpr double RayonAnneau = 0.12;

} // namespace

MarqueExtremite::MarqueExtremite(kit::SurfaceDessin& animation) : animation_(animation) {
    animation_.AjouteSurcouche(this);
}

MarqueExtremite::~MarqueExtremite() {
    animation_.RetireSurcouche(this);
}

void MarqueExtremite::Suit(const sim::EtatSimulation& etat) {
    const double deplacement =
        etat.Extremite == sim::ExtremiteLibre ? etat.Elongation[sim::PointExtremite] : 0;
    if (etat.Extremite == extremite_ && deplacement == deplacement_)
        return;
    const QRect avant = Zone();
    extremite_ = etat.Extremite;
    deplacement_ = deplacement;
    animation_.SurcoucheModifiee(avant, Zone());
}

// A strip the height of the view: the rod spans it, and the ring rides anywhere on it.
QRect MarqueExtremite::Zone() const {
    if (extremite_ == sim::SansFin)
        return {};
    const QPointF haut = animation_.VersWidget(Bout - 0.05, 0);
    const QPointF bas = animation_.VersWidget(Bout + Largeur + 0.05, 7);
    return QRectF(haut, bas).toAlignedRect().adjusted(-1, -1, 1, 1);
}

void MarqueExtremite::Peint(QPainter& p) const {
    if (extremite_ == sim::SansFin)
        return;
    const kit::SurfaceDessin& a = animation_;
    const double zoom = a.echelle().zoom;
    const auto point = [&a](double x, double y) { return a.VersWidget(x, y); };
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(GrisTrait, zoom));
    p.setBrush(GrisPiece);
    const double repos = sim::OrdonneeRepos;
    if (extremite_ == sim::ExtremiteFixe) {
        // Two jaws on the string's end, held by the back of the clamp.
        QPainterPath serre;
        serre.addRect(QRectF(point(Bout, repos - 0.4), point(Bout + Largeur, repos - 0.06)));
        serre.addRect(QRectF(point(Bout, repos + 0.06), point(Bout + Largeur, repos + 0.4)));
        serre.addRect(
            QRectF(point(Bout + Largeur - 0.08, repos - 0.4), point(Bout + Largeur, repos + 0.4)));
        p.drawPath(serre.simplified());
        return;
    }
    const double axe = Bout + RayonAnneau;
    p.setPen(QPen(GrisTrait, 2 * zoom));
    p.drawLine(point(axe, 0.3), point(axe, 6.7));
    p.setBrush(Qt::NoBrush);
    const QPointF centre = point(axe, repos - deplacement_);
    const double rayon = a.echelle().PixelX(RayonAnneau) - a.echelle().PixelX(0);
    p.drawEllipse(centre, rayon, rayon);
}

} // namespace view
