// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre/Poignee.h"

#include "sim/Etat.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace fenetre {
namespace {

constexpr double GaucheBloc = -1, DroiteBloc = 0; // cm, as the view draws it
constexpr double DemiHauteurBloc = 0.1;           // view units
constexpr int Tolerance = 4;                      // pixels around the block, at zoom 1

} // namespace

PoigneeVerticale::PoigneeVerticale(kit::SurfaceDessin& vue, std::function<void()> deplace)
    : QWidget(&vue), vue_(vue), deplace_(std::move(deplace)) {
    // Tab reaches it; a press away from its grip is the view's, focus included.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_NoSystemBackground);
    // Hover moves it does not use go on to the view's readout.
    setMouseTracking(true);
    vue_.installEventFilter(this);
}

bool PoigneeVerticale::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == &vue_ && evenement->type() == QEvent::Resize)
        SuitLaVue();
    return false;
}

PoigneeVibreur::PoigneeVibreur(kit::SurfaceDessin& vue, std::function<double()> elongationAffichee,
                               std::function<void()> deplace)
    : PoigneeVerticale(vue, std::move(deplace)),
      elongationAffichee_(std::move(elongationAffichee)) {
    setObjectName(QStringLiteral("Vibreur"));
    setAccessibleName(tr("Vibreur"));
    SuitLaVue();
}

void PoigneeVibreur::SuitLaVue() {
    const QPointF haut = vue_.VersWidget(GaucheBloc, 0);
    const QPointF bas = vue_.VersWidget(DroiteBloc, 2 * sim::OrdonneeRepos);
    setGeometry(QRectF(haut, bas).toAlignedRect() & vue_.rect().adjusted(1, 1, -1, -1));
}

QRect PoigneeVibreur::ZonePrise() const {
    const double e = elongationAffichee_();
    const QPointF a = vue_.VersWidget(GaucheBloc, sim::OrdonneeRepos - DemiHauteurBloc - e);
    const QPointF b = vue_.VersWidget(DroiteBloc, sim::OrdonneeRepos + DemiHauteurBloc - e);
    const int marge = static_cast<int>(std::lround(Tolerance * vue_.echelle().zoom));
    return QRectF(a, b).toAlignedRect().translated(-pos()).adjusted(-marge, -marge, marge, marge);
}

double PoigneeVerticale::HauteurSous(QPointF position) const {
    return sim::OrdonneeRepos - vue_.VersUnites(mapTo(&vue_, position)).y();
}

void PoigneeVerticale::Place(double cm) {
    position_ = std::clamp(cm, -Limite, Limite);
    deplace_();
    update();
    QAccessibleValueChangeEvent changement(this, position_);
    QAccessible::updateAccessibility(&changement);
}

QString PoigneeVerticale::TexteValeur() const {
    return QCoreApplication::translate("Accessibilite", "%1 centimètres")
        .arg(QLocale().toString(position_, 'f', 1));
}

void PoigneeVerticale::mousePressEvent(QMouseEvent* evenement) {
    // Anywhere else in the column, the press belongs to the view beneath.
    if (evenement->button() != Qt::LeftButton ||
        !ZonePrise().contains(evenement->position().toPoint())) {
        evenement->ignore();
        return;
    }
    tenu_ = true;
    setFocus(Qt::MouseFocusReason);
    setCursor(Qt::ClosedHandCursor);
    Place(HauteurSous(evenement->position()));
}

void PoigneeVerticale::mouseMoveEvent(QMouseEvent* evenement) {
    if (!tenu_) {
        evenement->ignore();
        return;
    }
    Place(HauteurSous(evenement->position()));
}

void PoigneeVerticale::mouseReleaseEvent(QMouseEvent* evenement) {
    if (!tenu_) {
        evenement->ignore();
        return;
    }
    tenu_ = false;
    unsetCursor();
}

void PoigneeVerticale::keyPressEvent(QKeyEvent* evenement) {
    const double pas = evenement->modifiers() & Qt::ShiftModifier ? GrandPasClavier : PasClavier;
    switch (evenement->key()) {
    case Qt::Key_Up:
        Place(position_ + pas);
        break;
    case Qt::Key_Down:
        Place(position_ - pas);
        break;
    case Qt::Key_Home:
        Place(0);
        break;
    default:
        QWidget::keyPressEvent(evenement);
        return;
    }
    evenement->accept();
}

// Nothing of its own but the keyboard's frame around its grip.
void PoigneeVerticale::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(ZonePrise().adjusted(0, 0, -1, -1) & rect().adjusted(0, 0, -1, -1));
}

void PoigneeVerticale::focusInEvent(QFocusEvent* evenement) {
    update();
    QWidget::focusInEvent(evenement);
}

void PoigneeVerticale::focusOutEvent(QFocusEvent* evenement) {
    update();
    QWidget::focusOutEvent(evenement);
}

} // namespace fenetre
