// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre/LigneReference.h"

#include "mesure/Mesureur.h"
#include "sim/Etat.h"

#include <QCoreApplication>
#include <QPainter>

#include <cmath>
#include <utility>

namespace fenetre {
namespace {

constexpr int CoteGrip = 12;  // pixels at zoom 1
constexpr int MargeTexte = 4; // between the text and the grip, and above the line
const QColor Trait(64, 64, 64);

} // namespace

LigneReference::LigneReference(kit::SurfaceDessin& vue)
    : PoigneeVerticale(vue, [this] { SuitLaVue(); }) {
    setObjectName(QStringLiteral("LigneReference"));
    setAccessibleName(tr("Ligne de référence"));
    setCursor(Qt::SizeVerCursor);
    hide();
    vue_.AjouteSurcouche(this);
}

void LigneReference::Montre(bool montree) {
    setVisible(montree);
    SuitLaVue();
}

QString LigneReference::Texte() const {
    return tr("y = %1 cm").arg(mesure::Nombre(position_));
}

QString LigneReference::TexteValeur() const {
    return QCoreApplication::translate("Accessibilite", "%1 centimètres")
        .arg(mesure::Nombre(position_));
}

int LigneReference::LigneY() const {
    return static_cast<int>(std::lround(vue_.VersWidget(0, sim::OrdonneeRepos - position_).y()));
}

QRect LigneReference::Poignee() const {
    const int cote = static_cast<int>(std::lround(CoteGrip * vue_.echelle().zoom));
    return {vue_.width() - 1 - cote, LigneY() - cote / 2, cote, cote};
}

QRect LigneReference::Cadre() const {
    const double zoom = vue_.echelle().zoom;
    const int marge = static_cast<int>(std::lround(MargeTexte * zoom));
    const QSize taille = QFontMetrics(vue_.font()).size(0, Texte()) + QSize(2 * marge, 0);
    // Above the line, or below it near the top of the view.
    const int haut = LigneY() - marge - taille.height() < 1 ? LigneY() + marge
                                                            : LigneY() - marge - taille.height();
    return {Poignee().left() - marge - taille.width(), haut, taille.width(), taille.height()};
}

QRect LigneReference::Zone() const {
    if (isHidden())
        return {};
    const QRect trait(1, LigneY() - 1, vue_.width() - 2, 3);
    return (trait | Poignee() | Cadre()) & vue_.rect().adjusted(1, 1, -1, -1);
}

void LigneReference::SuitLaVue() {
    setGeometry(Poignee());
    const QRect avant = std::exchange(zone_, Zone());
    vue_.SurcoucheModifiee(avant, zone_);
}

void LigneReference::Peint(QPainter& p) const {
    if (isHidden())
        return;
    const int y = LigneY();
    const QRect grip = Poignee();
    const int epaisseur = std::max(1, static_cast<int>(std::lround(vue_.echelle().zoom)));
    p.setPen(QPen(Trait, epaisseur, Qt::DashLine, Qt::FlatCap));
    p.drawLine(1, y, grip.left() - 1, y);
    // The grip: a triangle pointing at the line from the view's right edge.
    p.setPen(Qt::NoPen);
    p.setBrush(Trait);
    const QPoint pointe(grip.left(), y);
    p.drawPolygon(QPolygon({pointe, grip.topRight(), grip.bottomRight()}));
    const QRect cadre = Cadre();
    p.fillRect(cadre, QColor(255, 255, 255, 200));
    p.setPen(Trait);
    p.setFont(vue_.font());
    p.drawText(cadre, Qt::AlignCenter, Texte());
}

} // namespace fenetre
