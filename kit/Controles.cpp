// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Controles.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace kit {
namespace {

// The outline that follows the pointer during a drag; it lies on top of the window and
// lets the mouse through, so it never hides the surface under the pointer.
class Contour : public QWidget {
public:
    explicit Contour(QWidget* fenetre) : QWidget(fenetre) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(QColor(96, 96, 96), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        if (width() > 3 && height() > 3)
            p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
};

} // namespace

Panneau::Panneau(QWidget* parent, QColor fond, bool bordure)
    : QWidget(parent), fond_(fond), bordure_(bordure) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Panneau::Image(QPixmap image) {
    image_ = std::move(image);
    update();
}

void Panneau::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), fond_);
    const int bord = bordure_ ? 1 : 0;
    if (!image_.isNull())
        p.drawPixmap(bord, bord, image_);
    if (bordure_) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Etiquette::mousePressEvent(QMouseEvent* evenement) {
    enfonce_ = evenement->button() == Qt::LeftButton;
    evenement->accept();
}

void Etiquette::mouseReleaseEvent(QMouseEvent* evenement) {
    const bool clic = enfonce_ && evenement->button() == Qt::LeftButton &&
                      rect().contains(evenement->position().toPoint());
    enfonce_ = false;
    evenement->accept();
    if (clic)
        emit clique();
}

void Etiquette::keyPressEvent(QKeyEvent* evenement) {
    switch (evenement->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        evenement->accept();
        emit clique();
        return;
    default:
        AvecFocusClavier::keyPressEvent(evenement);
    }
}

void Etiquette::paintEvent(QPaintEvent* evenement) {
    QLabel::paintEvent(evenement);
    DessineFocusSiClavier();
}

bool FocusDuClavier(const QFocusEvent* evenement) {
    return evenement->reason() == Qt::TabFocusReason ||
           evenement->reason() == Qt::BacktabFocusReason;
}

void DessineFocus(QWidget* controle) {
    QPainter p(controle);
    p.setPen(QPen(QColor(255, 160, 0), 1, Qt::DotLine));
    p.drawRect(controle->rect().adjusted(0, 0, -1, -1));
}

Marqueur::Marqueur(SurfaceDessin* surface, QColor fond, bool bordure)
    : AvecFocusClavier<QWidget>(surface), surface_(surface), fond_(fond), bordure_(bordure) {
    // Painted by the surface with its own picture (Peint): moving it every tick then
    // dirties only the surface, never a repaint of its own nor of the markers beneath.
    setAttribute(Qt::WA_NoSystemBackground);
    // Nor a paint event of its own: Qt would send one to each marker crossing the surface's
    // repainted band, every tick, for nothing to draw but the keyboard's focus frame. It
    // takes them only while it has the focus.
    setUpdatesEnabled(false);
    surface->PeintEnfant(this, this);
}

void Marqueur::RepeintSurface() {
    if (isVisible())
        surface_->update(Zone());
}

QRect Marqueur::Zone() const {
    return {surface_->PositionEnfant(gauche_, haut_), size()};
}

void Marqueur::showEvent(QShowEvent* evenement) {
    QWidget::showEvent(evenement);
    RepeintSurface();
}

void Marqueur::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    if (isVisible())
        surface_->SurcoucheModifiee(QRect(Zone().topLeft(), evenement->oldSize()), Zone());
}

void Marqueur::focusInEvent(QFocusEvent* evenement) {
    // Its focus frame is drawn where the control stands.
    Rattrape();
    setUpdatesEnabled(true);
    AvecFocusClavier<QWidget>::focusInEvent(evenement);
}

void Marqueur::focusOutEvent(QFocusEvent* evenement) {
    // The base asks for a repaint while updates are still on: the surface beneath takes the
    // frame away.
    AvecFocusClavier<QWidget>::focusOutEvent(evenement);
    setUpdatesEnabled(false);
}

void Marqueur::PlaceGauche(float gauche) {
    Place(gauche, haut_);
}

void Marqueur::Montre(float gauche, float haut) {
    const QRect avant = Zone();
    gauche_ = gauche;
    haut_ = haut;
    if (isVisible() && Zone() != avant)
        surface_->SurcoucheModifiee(avant, Zone());
    enRetard_ = true;
}

void Marqueur::Rattrape() {
    if (!enRetard_)
        return;
    enRetard_ = false;
    move(Zone().topLeft());
}

void Marqueur::Suit(float gauche, float haut) {
    Montre(gauche, haut);
    if (surface_->underMouse())
        Rattrape();
}

void Marqueur::Place(float gauche, float haut) {
    const bool deplace = gauche != gauche_;
    Montre(gauche, haut);
    Rattrape();
    // A named marker is a value to assistive technology, which hears it move.
    if (deplace && QAccessible::isActive() && !accessibleName().isEmpty()) {
        QAccessibleValueChangeEvent annonce(this, double(gauche_));
        QAccessible::updateAccessibility(&annonce);
    }
}

float Marqueur::AbscisseMax() const {
    return std::min(borne_, static_cast<float>(surface_->echelle().UniteX(surface_->width() - 2)));
}

void Marqueur::Deplace(float gauche) {
    emit surface_->survolGlisser(this, std::clamp(gauche, 0.0f, AbscisseMax()), haut_);
}

void Marqueur::CouleurFond(QColor fond) {
    fond_ = fond;
    RepeintSurface();
}

void Marqueur::Peint(QPainter& p, QRect zone) const {
    const QRect place = Zone();
    // Only the part being repainted: a bar spans the whole view. A bordered square is a black
    // one with its colour inside, its one-pixel border within its box: two fills, where
    // stroking the outline cost twice as much as both.
    if (!bordure_) {
        p.fillRect(place & zone, fond_);
        return;
    }
    p.fillRect(place & zone, Qt::black);
    p.fillRect(place.adjusted(1, 1, -1, -1) & zone, fond_);
}

void Marqueur::paintEvent(QPaintEvent*) {
    DessineFocusSiClavier();
}

void Marqueur::keyPressEvent(QKeyEvent* evenement) {
    const int sens = evenement->key() == Qt::Key_Left    ? -1
                     : evenement->key() == Qt::Key_Right ? 1
                                                         : 0;
    if (sens == 0) {
        QWidget::keyPressEvent(evenement);
        return;
    }
    evenement->accept();
    const float pas = evenement->modifiers() & Qt::ShiftModifier ? 1.0f : 0.1f;
    Deplace(gauche_ + sens * pas);
}

void Marqueur::mousePressEvent(QMouseEvent* evenement) {
    bouton_ = evenement->button() == Qt::LeftButton;
    prise_ = evenement->position();
    evenement->accept();
}

void Marqueur::mouseMoveEvent(QMouseEvent* evenement) {
    if (!bouton_)
        return;
    if (contour_ == nullptr) {
        contour_ = new Contour(window());
        contour_->resize(size());
        contour_->show();
    }
    contour_->raise();
    const QPointF globale = evenement->globalPosition();
    contour_->move(window()->mapFromGlobal(globale - prise_).toPoint());
    Survole(globale);
}

void Marqueur::mouseReleaseEvent(QMouseEvent* evenement) {
    evenement->accept();
    bouton_ = false;
    TermineGlissement();
}

void Marqueur::hideEvent(QHideEvent* evenement) {
    bouton_ = false;
    TermineGlissement();
    // The surface painted it: where it stood, the surface's own picture shows again.
    surface_->update(Zone());
    QWidget::hideEvent(evenement);
}

void Marqueur::TermineGlissement() {
    delete contour_;
}

// Only the surface itself hears of the drag: over one of its children, this marker
// included, the child has the pointer and nothing happens.
void Marqueur::Survole(QPointF positionGlobale) {
    QWidget* fenetre = window();
    QWidget* sous = fenetre->childAt(fenetre->mapFromGlobal(positionGlobale).toPoint());
    auto* surface = qobject_cast<SurfaceDessin*>(sous);
    if (surface == nullptr)
        return;
    const QPointF unites = surface->VersUnites(surface->mapFromGlobal(positionGlobale));
    emit surface->survolGlisser(this, static_cast<float>(unites.x()),
                                static_cast<float>(unites.y()));
}

} // namespace kit
