// SPDX-License-Identifier: GPL-3.0-or-later
#include "mesure/Mesureur.h"

#include <QEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace mesure {
namespace {

const QColor FondTexte(255, 255, 255, 235);
const QColor Bord(160, 160, 200);
const QColor Trait(60, 60, 60);
constexpr int Ecartement = 14; // pixels between the pointer and its readout, at zoom 1

} // namespace

QString Nombre(double valeur, int decimales) {
    // A rounded negative zero is shown as a zero.
    const double arrondi = std::round(valeur * std::pow(10, decimales)) / std::pow(10, decimales);
    return QLocale().toString(arrondi == 0 ? 0.0 : arrondi, 'f', decimales);
}

Mesureur::Mesureur(kit::SurfaceDessin& surface, Lecture lecture, Ecart ecart)
    : surface_(surface), vivante_(&surface), lecture_(std::move(lecture)),
      ecart_(std::move(ecart)) {
    surface_.setMouseTracking(true);
    surface_.installEventFilter(this);
    surface_.AjouteSurcouche(this);
    connect(&surface_, &kit::SurfaceDessin::efface, this, &Mesureur::Oublie);
}

Mesureur::~Mesureur() {
    if (vivante_)
        vivante_->RetireSurcouche(this);
}

template <typename F> void Mesureur::Change(F&& changement) {
    const QRect avant = Zone();
    changement();
    surface_.SurcoucheModifiee(avant, Zone());
}

QString Mesureur::Texte() const {
    return pointeur_ ? lecture_(surface_.VersUnites(*pointeur_)) : QString();
}

QString Mesureur::TexteEcart() const {
    return depart_ && arrivee_ ? ecart_(*depart_, *arrivee_) : QString();
}

void Mesureur::Oublie() {
    if (depart_)
        Change([this] { depart_.reset(), arrivee_.reset(), enCours_ = false; });
}

bool Mesureur::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet != &surface_)
        return false;
    const auto souris = [evenement] { return static_cast<QMouseEvent*>(evenement); };
    switch (evenement->type()) {
    case QEvent::MouseMove:
        Change([&] {
            pointeur_ = souris()->position();
            if (enCours_)
                arrivee_ = surface_.VersUnites(souris()->position());
        });
        break;
    case QEvent::MouseButtonPress:
        if (souris()->button() == Qt::LeftButton)
            Change([&] {
                depart_ = arrivee_ = surface_.VersUnites(souris()->position());
                enCours_ = true;
            });
        break;
    case QEvent::MouseButtonRelease:
        if (souris()->button() == Qt::LeftButton) {
            enCours_ = false;
            // A click is not a measurement: it leaves nothing behind.
            if (depart_ == arrivee_)
                Oublie();
        }
        break;
    case QEvent::Leave:
    case QEvent::Hide:
        Change([this] { pointeur_.reset(); });
        break;
    default:
        break;
    }
    return false;
}

// Beside the anchor, turned back inside the surface where it would leave it.
QRect Mesureur::BoiteTexte(const QString& texte, QPointF ancre) const {
    const QFontMetrics mesures(surface_.font());
    const double zoom = surface_.echelle().zoom;
    const int marge = static_cast<int>(std::lround(3 * zoom));
    QRect boite(QPoint(), mesures.size(0, texte) + QSize(2 * marge, 2 * marge));
    const int ecart = static_cast<int>(std::lround(Ecartement * zoom));
    QPoint coin = ancre.toPoint() + QPoint(ecart, ecart);
    if (coin.x() + boite.width() > surface_.width() - 1)
        coin.setX(ancre.toPoint().x() - ecart - boite.width());
    if (coin.y() + boite.height() > surface_.height() - 1)
        coin.setY(ancre.toPoint().y() - ecart - boite.height());
    boite.moveTopLeft(QPoint(std::max(1, coin.x()), std::max(1, coin.y())));
    return boite;
}

QRect Mesureur::ZoneLigne() const {
    if (!depart_ || !arrivee_)
        return {};
    const QPointF a = surface_.VersWidget(depart_->x(), depart_->y());
    const QPointF b = surface_.VersWidget(arrivee_->x(), arrivee_->y());
    const int rayon = static_cast<int>(std::lround(5 * surface_.echelle().zoom)) + 2;
    return QRectF(a, b).normalized().toAlignedRect().adjusted(-rayon, -rayon, rayon, rayon) |
           BoiteTexte(TexteEcart(), a);
}

QRect Mesureur::Zone() const {
    QRect zone = ZoneLigne();
    if (const QString texte = Texte(); !texte.isEmpty())
        zone |= BoiteTexte(texte, *pointeur_);
    return zone.adjusted(-1, -1, 1, 1);
}

void Mesureur::Peint(QPainter& p) const {
    p.setFont(surface_.font());
    const double zoom = surface_.echelle().zoom;
    const auto boite = [&](const QString& texte, QPointF ancre) {
        const QRect r = BoiteTexte(texte, ancre);
        p.setPen(QPen(Bord, 1));
        p.setBrush(FondTexte);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(Trait);
        p.drawText(r, Qt::AlignCenter, texte);
    };
    if (depart_ && arrivee_) {
        const QPointF a = surface_.VersWidget(depart_->x(), depart_->y());
        const QPointF b = surface_.VersWidget(arrivee_->x(), arrivee_->y());
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Trait, zoom, Qt::DashLine));
        p.drawLine(a, b);
        p.setPen(QPen(Trait, zoom));
        const double rayon = 4 * zoom;
        for (const QPointF& bout : {a, b}) {
            p.drawLine(bout - QPointF(rayon, 0), bout + QPointF(rayon, 0));
            p.drawLine(bout - QPointF(0, rayon), bout + QPointF(0, rayon));
        }
        p.setRenderHint(QPainter::Antialiasing, false);
        // At the press: the pointer's own readout stands at the other end.
        boite(TexteEcart(), a);
    }
    if (const QString texte = Texte(); !texte.isEmpty() && !lectureMasquee_)
        boite(texte, *pointeur_);
}

} // namespace mesure
