#include "ui/SurfaceDessin.h"

#include <QPaintEvent>

#include <cmath>

namespace ui {

SurfaceDessin::SurfaceDessin(QWidget* parent, const Echelle& echelle, QColor fond)
    : QWidget(parent), echelle_(echelle), fond_(fond) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

SurfaceDessin::~SurfaceDessin() {
    FermePeintre();
}

void SurfaceDessin::PrepareImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize taille = TailleInterieure() * ratio;
    if (image_.size() == taille && image_.devicePixelRatio() == ratio)
        return;
    FermePeintre();
    QImage nouvelle(taille, QImage::Format_RGB32);
    nouvelle.setDevicePixelRatio(ratio);
    nouvelle.fill(fond_);
    if (!image_.isNull()) {
        // Moved to a screen of another ratio: keep what was drawn rather than lose it.
        QPainter p(&nouvelle);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(TailleInterieure())), image_);
    }
    image_ = nouvelle;
    toutSali_ = false;
    update();
}

QPainter& SurfaceDessin::Peintre() {
    PrepareImage();
    if (!peintre_.isActive())
        peintre_.begin(&image_);
    return peintre_;
}

void SurfaceDessin::FermePeintre() {
    if (peintre_.isActive())
        peintre_.end();
}

void SurfaceDessin::Sali(const QRectF& zone) {
    if (toutSali_)
        return;
    update(zone.toAlignedRect().adjusted(-2, -2, 3, 3).translated(1, 1));
}

// Lines are drawn without antialiasing, as the program always has; aligning their centres
// on the device pixel grid keeps 1 and 2 pixel lines crisp at any ratio.
QPointF SurfaceDessin::Point(double x, double y, int largeur) const {
    const qreal ratio = image_.devicePixelRatio();
    const int largeurDevice = std::max(1, static_cast<int>(std::lround(largeur * ratio)));
    const double decalage = largeurDevice % 2 ? 0.5 : 0.0;
    const auto aligne = [&](double logique) {
        const double device = logique * ratio;
        return (decalage != 0.0 ? std::floor(device) + decalage : std::round(device)) / ratio;
    };
    return {aligne(echelle_.PixelX(x)), aligne(echelle_.PixelY(y))};
}

void SurfaceDessin::Efface() {
    QPainter& p = Peintre();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(TailleInterieure())), fond_);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    update();
    toutSali_ = true;
}

void SurfaceDessin::Ligne(float x1, float y1, float x2, float y2, QColor couleur) {
    const QLineF segment(x1, y1, x2, y2);
    Lignes({&segment, 1}, couleur);
    courantX_ = x2;
    courantY_ = y2;
}

void SurfaceDessin::Lignes(std::span<const QLineF> segments, QColor couleur) {
    if (segments.empty())
        return;
    QPainter& p = Peintre();
    p.setPen(QPen(couleur, largeur_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QRectF zone;
    for (const QLineF& s : segments) {
        const QLineF pixels(Point(s.x1(), s.y1(), largeur_), Point(s.x2(), s.y2(), largeur_));
        if (pixels.p1() == pixels.p2())
            p.drawPoint(pixels.p1());
        else
            p.drawLine(pixels);
        if (!toutSali_)
            zone |= QRectF(pixels.p1(), pixels.p2()).normalized().adjusted(-1, -1, 1, 1);
    }
    Sali(zone);
}

void SurfaceDessin::Boite(float x1, float y1, float x2, float y2, QColor couleur, bool pleine) {
    QPainter& p = Peintre();
    const qreal ratio = image_.devicePixelRatio();
    const auto bord = [ratio](double logique) { return std::round(logique * ratio) / ratio; };
    const double gauche = bord(echelle_.PixelX(std::min(x1, x2)));
    const double droite = bord(echelle_.PixelX(std::max(x1, x2)));
    const double haut = bord(echelle_.PixelY(std::min(y1, y2)));
    const double bas = bord(echelle_.PixelY(std::max(y1, y2)));
    // Both corners are inside the box, as a pixel-drawn box has always been.
    const QRectF zone(QPointF(gauche, haut), QPointF(droite + 1, bas + 1));
    if (pleine) {
        p.fillRect(zone, couleur);
    } else {
        p.fillRect(zone, remplissage_);
        const double trait = largeur_;
        p.fillRect(QRectF(zone.left(), zone.top(), zone.width(), trait), couleur);
        p.fillRect(QRectF(zone.left(), zone.bottom() - trait, zone.width(), trait), couleur);
        p.fillRect(QRectF(zone.left(), zone.top(), trait, zone.height()), couleur);
        p.fillRect(QRectF(zone.right() - trait, zone.top(), trait, zone.height()), couleur);
    }
    Sali(zone);
}

void SurfaceDessin::PlaceCourant(float x, float y) {
    courantX_ = x;
    courantY_ = y;
}

void SurfaceDessin::Imprime(const QString& texte) {
    QPainter& p = Peintre();
    p.setFont(font());
    p.setPen(avantPlan_);
    const QFontMetricsF mesures(font(), &image_);
    const QPointF coin(echelle_.PixelX(courantX_), echelle_.PixelY(courantY_));
    p.drawText(coin + QPointF(0, mesures.ascent()), texte);
    const QRectF zone(coin, QSizeF(mesures.horizontalAdvance(texte), mesures.height()));
    Sali(zone);
    courantX_ = static_cast<float>(echelle_.UniteX(zone.right()));
}

QPointF SurfaceDessin::VersUnites(QPointF positionWidget) const {
    return {echelle_.UniteX(positionWidget.x() - 1), echelle_.UniteY(positionWidget.y() - 1)};
}

void SurfaceDessin::PlaceEnfant(QWidget* enfant, float gauche, float haut) const {
    enfant->move(1 + static_cast<int>(std::lround(echelle_.PixelX(gauche))),
                 1 + static_cast<int>(std::lround(echelle_.PixelY(haut))));
}

QImage SurfaceDessin::Image() {
    PrepareImage();
    FermePeintre();
    return image_;
}

void SurfaceDessin::Restaure(const QImage& image) {
    FermePeintre();
    image_ = image;
    update();
    toutSali_ = true;
}

void SurfaceDessin::paintEvent(QPaintEvent* evenement) {
    PrepareImage();
    FermePeintre();
    QPainter p(this);
    const QRect interieur(1, 1, width() - 2, height() - 2);
    const QRect zone = evenement->rect() & interieur;
    if (!zone.isEmpty()) {
        const qreal ratio = image_.devicePixelRatio();
        const QRectF source(QPointF(zone.topLeft() - QPoint(1, 1)) * ratio,
                            QSizeF(zone.size()) * ratio);
        p.drawImage(QRectF(zone), image_, source);
    }
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    toutSali_ = false;
}

} // namespace ui
