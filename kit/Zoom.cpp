// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Zoom.h"

#include <QEvent>
#include <QGuiApplication>
#include <QProxyStyle>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace kit {
namespace {

// The style's own measures (the option buttons' round, the scroll bars' arrows) at the
// window's zoom, for the controls that draw them.
class StyleZoome : public QProxyStyle {
public:
    explicit StyleZoome(double zoom) : zoom_(zoom) {}
    int pixelMetric(PixelMetric mesure, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int base = QProxyStyle::pixelMetric(mesure, option, widget);
        switch (mesure) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
            return std::max(1, static_cast<int>(std::lround(base * zoom_)));
        default:
            return base;
        }
    }

private:
    double zoom_;
};

} // namespace

int Pixels(int twips, double zoom) {
    if (zoom == 1)
        return Pixels(twips);
    return static_cast<int>(std::floor(twips * zoom / TwipsParPixel + 0.5));
}

double ZoomQuiTient(QSize disponible, QSize aZoomUn) {
    if (aZoomUn.isEmpty())
        return 1;
    const double zoom = std::min(double(disponible.width()) / aZoomUn.width(),
                                 double(disponible.height()) / aZoomUn.height());
    // However small the screen, something is shown and nothing divides by zero.
    return std::max(zoom, 0.01);
}

ZoomFenetre::ZoomFenetre(QWidget* fenetre, const Fenetre& disposition, Application applique)
    : QObject(fenetre), fenetre_(fenetre), disposition_(disposition),
      applique_(std::move(applique)) {
    fenetre->installEventFilter(this);
}

QSize ZoomFenetre::TailleContenu(double zoom) const {
    return {Pixels(disposition_.largeur, zoom), Pixels(disposition_.hauteur, zoom)};
}

void ZoomFenetre::ChoisitZoomNormal(double zoom) {
    zoomNormal_ = zoom;
    if (!(fenetre_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        fenetre_->resize(TailleContenu(zoom));
    // A hidden window hears of its new size only when shown.
    Ajuste();
}

void ZoomFenetre::Ajuste() {
    const QSize taille = fenetre_->size();
    const double zoom =
        taille == TailleContenu(zoomNormal_) ? zoomNormal_ : ZoomQuiTient(taille, TailleContenu(1));
    const QSize contenu = TailleContenu(zoom);
    const QPoint origine(std::max(0, (taille.width() - contenu.width()) / 2),
                         std::max(0, (taille.height() - contenu.height()) / 2));
    if (zoom == zoom_ && origine == origine_)
        return;
    zoom_ = zoom;
    origine_ = origine;
    applique_(zoom, origine);
    AppliqueStyle(zoom);
    emit zoomModifie();
}

void ZoomFenetre::AppliqueStyle(double zoom) {
    QStyle* ancien = style_;
    // At zoom 1 the controls keep the application's style itself.
    style_ = zoom == 1 ? nullptr : new StyleZoome(zoom);
    if (style_ != nullptr)
        style_->setParent(this);
    for (QWidget* w : fenetre_->findChildren<QWidget*>())
        if (qobject_cast<QRadioButton*>(w) || qobject_cast<QScrollBar*>(w))
            w->setStyle(style_);
    delete ancien;
}

QMargins ZoomFenetre::Cadre() const {
    const QRect cadre = fenetre_->frameGeometry();
    const QRect client = fenetre_->geometry();
    return {client.left() - cadre.left(), client.top() - cadre.top(),
            cadre.right() - client.right(), cadre.bottom() - client.bottom()};
}

void ZoomFenetre::PlaceSurEcran() {
    const QScreen* ecran =
        fenetre_->screen() ? fenetre_->screen() : QGuiApplication::primaryScreen();
    if (ecran == nullptr)
        return;
    const QRect disponible = ecran->availableGeometry();
    cadre_ = Cadre();
    const QSize place = disponible.size().shrunkBy(cadre_);
    ChoisitZoomNormal(std::min(1.0, ZoomQuiTient(place, TailleContenu(1))));
    QRect encadree = QRect(QPoint(), TailleContenu(zoomNormal_)).marginsAdded(cadre_);
    encadree.moveCenter(disponible.center());
    // A window's position is that of its frame.
    fenetre_->move(encadree.topLeft());
    place_ = true;
}

// The window manager frames a window after it is shown, and says how wide the frame is a
// little later: once it has, the window is placed again with the frame counted.
void ZoomFenetre::SuitLeCadre() {
    if (place_ && Cadre() != cadre_ && !fenetre_->isFullScreen() && !fenetre_->isMaximized())
        PlaceSurEcran();
}

void ZoomFenetre::SurAutreEcran() {
    const QScreen* ecran = fenetre_->screen();
    if (ecran == nullptr || fenetre_->isFullScreen() || fenetre_->isMaximized())
        return;
    const QSize place = ecran->availableGeometry().size().shrunkBy(Cadre());
    const QSize taille = TailleContenu(zoomNormal_);
    if (taille.width() > place.width() || taille.height() > place.height())
        ChoisitZoomNormal(ZoomQuiTient(place, TailleContenu(1)));
}

bool ZoomFenetre::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet != fenetre_)
        return false;
    switch (evenement->type()) {
    case QEvent::Resize:
        Ajuste();
        break;
    case QEvent::Show:
        if (!ecranSuivi_ && fenetre_->windowHandle() != nullptr) {
            ecranSuivi_ = true;
            connect(fenetre_->windowHandle(), &QWindow::screenChanged, this,
                    &ZoomFenetre::SurAutreEcran);
        }
        if (place_)
            for (int ms : {50, 200, 500, 1000, 2000})
                QTimer::singleShot(ms, this, &ZoomFenetre::SuitLeCadre);
        QTimer::singleShot(2500, this, [this] { place_ = false; });
        break;
    case QEvent::Move:
        SuitLeCadre();
        break;
    default:
        break;
    }
    return false;
}

ZoomFenetre* ZoomDe(QWidget* fenetre) {
    return fenetre->findChild<ZoomFenetre*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace kit
