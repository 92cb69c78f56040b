// SPDX-License-Identifier: GPL-3.0-or-later
// A page has no fonts of its own to offer Qt, and no desktop to place a window on.
#include "kit/Plateforme.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QPointer>
#include <QWidget>

#include <emscripten/html5.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace kit {
namespace {

// A page shows at most one picture a frame, but Qt's widgets repaint their window's backing
// store at every 10 ms tick, and each repaint is handed to WebGL at the next frame anyway:
// on a 60 Hz screen, four in ten were never seen. Qt asks for a window's repaint with one
// request and asks again only once it is delivered; held here, it is delivered at the next
// frame, with all that was marked meanwhile. The tick itself, and all it computes and
// records, is untouched.
class RepeintParImage : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() != QEvent::UpdateRequest || delivre_ || !objet->isWidgetType() ||
            !static_cast<QWidget*>(objet)->isWindow())
            return false;
        if (std::find(enAttente_.begin(), enAttente_.end(), objet) == enAttente_.end())
            enAttente_.emplace_back(static_cast<QWidget*>(objet));
        if (!imageDemandee_) {
            imageDemandee_ = true;
            emscripten_request_animation_frame(&ALImage, this);
        }
        return true;
    }

private:
    static EM_BOOL ALImage(double, void* donnee) {
        auto* repeint = static_cast<RepeintParImage*>(donnee);
        repeint->imageDemandee_ = false;
        const auto fenetres = std::exchange(repeint->enAttente_, {});
        repeint->delivre_ = true;
        for (const QPointer<QWidget>& fenetre : fenetres) {
            if (!fenetre)
                continue;
            QEvent demande(QEvent::UpdateRequest);
            QCoreApplication::sendEvent(fenetre, &demande);
        }
        repeint->delivre_ = false;
        return EM_FALSE;
    }

    std::vector<QPointer<QWidget>> enAttente_;
    bool imageDemandee_ = false;
    bool delivre_ = false;
};

} // namespace

// Carlito, Calibri's metrics, so that every caption keeps its laid-out width on a phone
// as on a school's computer; and windows repainted at the browser's frames.
void PreparePlateforme() {
    for (const char* style : {"Regular", "Bold", "Italic"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/polices/Carlito-%1.ttf").arg(style));
    QCoreApplication::instance()->installEventFilter(
        new RepeintParImage(QCoreApplication::instance()));
}

void MontreFenetre(QWidget* fenetre) {
    fenetre->showFullScreen();
}

QString Edition() {
    return QCoreApplication::translate("Plateforme", "version pour navigateur, WebAssembly");
}

} // namespace kit
