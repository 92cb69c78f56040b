// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre/Ralenti.h"

#include <QPainter>

#include <cmath>

namespace fenetre {

IndicateurRalenti::IndicateurRalenti(kit::SurfaceDessin& surface)
    : surface_(surface), vivante_(&surface) {
    surface_.AjouteSurcouche(this);
}

IndicateurRalenti::~IndicateurRalenti() {
    if (vivante_)
        vivante_->RetireSurcouche(this);
}

void IndicateurRalenti::Montre(int diviseur) {
    const QRect avant = Zone();
    diviseur_ = diviseur;
    surface_.SurcoucheModifiee(avant, Zone());
}

QString IndicateurRalenti::Texte() const {
    return diviseur_ == 1 ? QString() : QStringLiteral("× 1/%1").arg(diviseur_);
}

QRect IndicateurRalenti::Zone() const {
    const QString texte = Texte();
    if (texte.isEmpty())
        return {};
    const double zoom = surface_.echelle().zoom;
    const int marge = static_cast<int>(std::lround(6 * zoom));
    const QSize taille = QFontMetrics(surface_.font()).size(0, texte) + QSize(2, 1) * marge;
    return {QPoint(surface_.width() - 1 - marge - taille.width(), 1 + marge), taille};
}

void IndicateurRalenti::Peint(QPainter& p) const {
    const QRect zone = Zone();
    if (zone.isEmpty())
        return;
    p.setPen(QColor(60, 60, 60));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRect(zone.adjusted(0, 0, -1, -1));
    p.setFont(surface_.font());
    p.drawText(zone, Qt::AlignCenter, Texte());
}

} // namespace fenetre
