// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace kit {

// A tablet has no right button: a finger held still on a control for a moment opens its
// context menu, as a right click does. Presses of a mouse are left as they are.
class AppuiLong : public QObject {
    Q_OBJECT
public:
    static constexpr int DureeMs = 600;
    static constexpr int ToleranceDip = 10; // a finger trembles; more is a drag

    explicit AppuiLong(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void OuvreLeMenu();

    QTimer attente_;
    QPointer<QWidget> cible_;
    QPoint depart_; // in the target's coordinates
    QPoint departGlobal_;
    quint64 horodatage_ = 0; // of the press: passed on to a parent, it stays the child's
};

// Once the application exists: a long press opens context menus everywhere in it.
void ActiveAppuiLong();

} // namespace kit
