// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/AppuiLong.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPointingDevice>

namespace kit {
namespace {

// Qt gives a finger to widgets as the mouse events it makes from the touch: those are the
// ones that come from a touch screen.
bool DuDoigt(const QMouseEvent& e) {
    return e.pointingDevice() &&
           e.pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen;
}

} // namespace

AppuiLong::AppuiLong(QObject* parent) : QObject(parent) {
    attente_.setSingleShot(true);
    attente_.setInterval(DureeMs);
    connect(&attente_, &QTimer::timeout, this, &AppuiLong::OuvreLeMenu);
}

bool AppuiLong::eventFilter(QObject* objet, QEvent* evenement) {
    const QEvent::Type type = evenement->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(objet);
    const auto& souris = static_cast<const QMouseEvent&>(*evenement);
    if (!widget || !DuDoigt(souris))
        return false;
    if (type == QEvent::MouseButtonPress) {
        if (attente_.isActive() && souris.timestamp() == horodatage_)
            return false;
        horodatage_ = souris.timestamp();
        cible_ = widget;
        depart_ = souris.position().toPoint();
        departGlobal_ = souris.globalPosition().toPoint();
        attente_.start();
    } else if (type == QEvent::MouseButtonRelease ||
               (souris.globalPosition().toPoint() - departGlobal_).manhattanLength() >
                   ToleranceDip) {
        attente_.stop();
    }
    return false;
}

void AppuiLong::OuvreLeMenu() {
    if (!cible_ || !cible_->isVisible())
        return;
    QContextMenuEvent menu(QContextMenuEvent::Mouse, depart_, departGlobal_);
    QCoreApplication::sendEvent(cible_, &menu);
}

void ActiveAppuiLong() {
    qApp->installEventFilter(new AppuiLong(qApp));
}

} // namespace kit
