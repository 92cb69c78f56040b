// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Couverture.h"

#include <QEvent>

namespace kit {
namespace {

class Couverture : public QObject {
public:
    Couverture(QWidget* couverture, std::vector<QWidget*> dessous)
        : QObject(couverture), couverture_(couverture), dessous_(std::move(dessous)) {
        couverture->installEventFilter(this);
        Suit();
    }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        // ShowToParent and HideToParent come with every explicit show and hide, even before
        // the window itself is shown.
        if (objet == couverture_ && (evenement->type() == QEvent::ShowToParent ||
                                     evenement->type() == QEvent::HideToParent))
            Suit();
        return false;
    }

private:
    void Suit() {
        const bool atteignable = couverture_->isHidden();
        for (QWidget* w : dessous_) {
            w->setEnabled(atteignable);
            w->setVisible(atteignable);
        }
    }

    QWidget* couverture_;
    std::vector<QWidget*> dessous_;
};

} // namespace

void MetSousCouverture(QWidget* couverture, std::vector<QWidget*> dessous) {
    new Couverture(couverture, std::move(dessous));
}

} // namespace kit
