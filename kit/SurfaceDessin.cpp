// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/SurfaceDessin.h"

#include <QChildEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kit {
namespace {

// std::floor is a library call on the baseline x86-64 instruction set, and the string's
// segments need one per pixel column and two per segment; the argument here is always well
// within int range, clamped first where it might not be.
int PlancherEntier(double valeur) {
    const int tronque = static_cast<int>(valeur);
    return tronque > valeur ? tronque - 1 : tronque;
}

// std::clamp by value: for doubles, GCC turns std::clamp's references into a store and a load
// through the stack per call, which in the rasteriser's loop cost more than the rest of it.
// Same result as std::clamp.
double Borne(double valeur, double bas, double haut) {
    return valeur < bas ? bas : (haut < valeur ? haut : valeur);
}

// The picture's pixels, read once for a whole batch of segments: the string is some two
// hundred short segments a tick, and asking the image for them each time cost more than
// drawing them.
struct Toile {
    QRgb* pixels;
    int largeur, hauteur, parLigne;
};

// Along its major axis (a), one column of the given width across it (b) per pixel; with the
// major axis known at compile time, stepping a column or a pixel is an addition.
template <bool SelonX>
QRect Colonnes(const Toile& toile, double x1, double y1, double x2, double y2, int largeurDevice,
               QRgb couleur) {
    const int tailleA = SelonX ? toile.largeur : toile.hauteur;
    const int tailleB = SelonX ? toile.hauteur : toile.largeur;
    const double pente = x2 > x1 ? (y2 - y1) / (x2 - x1) : 0.0;
    // Clamped before any conversion to int: a wild coordinate is clipped, never undefined.
    const int premier = std::max(PlancherEntier(std::clamp(x1, -1.0, double(tailleA))), 0);
    const int dernier =
        std::clamp(PlancherEntier(std::clamp(x2, -2.0, double(tailleA))), -1, tailleA - 1);
    const double limiteB = tailleB + largeurDevice + 1.0;
    const int pasI = SelonX ? toile.parLigne : 1;
    const int pasA = SelonX ? 1 : toile.parLigne;
    // The first pixel across is the one after floor(b - width/2 - 1/2).
    const double decalage = largeurDevice / 2.0 + 0.5;
    int bMin = tailleB, bMax = -1;
    QRgb* colonne = toile.pixels + premier * pasA;
    // The string's case, nearly every segment: the line a pixel or more inside the picture
    // across. No column needs clipping, and b stays positive (within its ends' span, up to a
    // rounding the pixel of margin covers), so truncating is flooring. Same pixels as the
    // general loop below, in fewer instructions a column.
    if (std::min(y1, y2) - decalage >= 1 &&
        std::max(y1, y2) - decalage + largeurDevice <= tailleB - 2) {
        double milieu = premier + 0.5; // exact: small integers and halves
        for (int a = premier; a <= dernier; ++a, colonne += pasA, milieu += 1) {
            const double centre = Borne(milieu, x1, x2);
            const int bord = static_cast<int>(y1 + (centre - x1) * pente - decalage) + 1;
            QRgb* pixel = colonne + bord * pasI;
            for (int i = 0; i < largeurDevice; ++i, pixel += pasI)
                *pixel = couleur;
            bMin = std::min(bMin, bord);
            bMax = std::max(bMax, bord);
        }
        if (bMax >= bMin)
            bMax += largeurDevice - 1;
    } else {
        for (int a = premier; a <= dernier; ++a, colonne += pasA) {
            const double centre = Borne(a + 0.5, x1, x2);
            const double b = Borne(y1 + (centre - x1) * pente, -limiteB, limiteB) - decalage;
            const int bord = PlancherEntier(b) + 1;
            const int debut = std::max(bord, 0);
            const int fin = std::min(bord + largeurDevice - 1, tailleB - 1);
            if (debut > fin)
                continue;
            QRgb* pixel = colonne + debut * pasI;
            for (int i = debut; i <= fin; ++i, pixel += pasI)
                *pixel = couleur;
            bMin = std::min(bMin, debut);
            bMax = std::max(bMax, fin);
        }
    }
    if (bMax < bMin)
        return {};
    return SelonX ? QRect(QPoint(premier, bMin), QPoint(dernier, bMax))
                  : QRect(QPoint(bMin, premier), QPoint(bMax, dernier));
}

// A line of the given width centred on the segment: across it, the pixels whose centres lie
// within half the width (a line on a pixel edge takes the pixel after it). Along it, sampled
// at the centre of every pixel on its major axis, from the pixel holding one end to the pixel
// holding the other, so that consecutive segments meet without a gap and a segment of no length is
// a dot. Returns the device pixels written.
QRect TraceSegment(const Toile& toile, double x1, double y1, double x2, double y2,
                   int largeurDevice, QRgb couleur) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return {};
    const bool selonX = std::abs(x2 - x1) >= std::abs(y2 - y1);
    if (!selonX) {
        std::swap(x1, y1);
        std::swap(x2, y2);
    }
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    return selonX ? Colonnes<true>(toile, x1, y1, x2, y2, largeurDevice, couleur)
                  : Colonnes<false>(toile, x1, y1, x2, y2, largeurDevice, couleur);
}

} // namespace

SurfaceDessin::SurfaceDessin(QWidget* parent, const Echelle& echelle, QColor fond)
    : QWidget(parent), echelle_(echelle), fond_(fond) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceDessin::Zoom(double zoom) {
    echelle_.zoom = zoom;
    PrepareImage();
}

int SurfaceDessin::Device(double pixels) const {
    return std::max(
        1, static_cast<int>(std::lround(pixels * image_.devicePixelRatio() * echelle_.zoom)));
}

void SurfaceDessin::PrepareImage() {
    const qreal ratio = devicePixelRatioF();
    // However small the window, the picture keeps one pixel to draw in.
    const QSize taille = (TailleInterieure() * ratio).expandedTo(QSize(1, 1));
    if (image_.size() == taille && image_.devicePixelRatio() == ratio &&
        zoomImage_ == echelle_.zoom)
        return;
    zoomImage_ = echelle_.zoom;
    QImage nouvelle(taille, QImage::Format_RGB32);
    nouvelle.setDevicePixelRatio(ratio);
    nouvelle.fill(fond_);
    const bool change = !image_.isNull();
    if (change) {
        // Moved to a screen of another ratio: keep what was drawn rather than lose it.
        QPainter p(&nouvelle);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(taille) / ratio), image_);
    }
    image_ = nouvelle;
    ++generation_;
    update();
    if (change)
        emit resolutionModifiee();
}

void SurfaceDessin::DebutSuivi() {
    suivi_ = true;
    touchee_ = {};
}

QRect SurfaceDessin::FinSuivi(QRect aRepeindreAussi) {
    suivi_ = false;
    update(VersLogique(touchee_ | aRepeindreAussi));
    return touchee_;
}

void SurfaceDessin::Touche(QRect zoneDevice) {
    ++generation_;
    if (suivi_)
        touchee_ |= zoneDevice;
    else
        update(VersLogique(zoneDevice));
}

// Device pixels of the image to logical pixels of the widget, inside its border.
QRect SurfaceDessin::VersLogique(QRect zoneDevice) const {
    if (zoneDevice.isEmpty())
        return {};
    const qreal ratio = image_.devicePixelRatio();
    const QRectF logique(QPointF(zoneDevice.topLeft()) / ratio, QSizeF(zoneDevice.size()) / ratio);
    return logique.toAlignedRect().translated(1, 1);
}

void SurfaceDessin::Remplit(QRect zone, QRgb couleur) {
    zone &= image_.rect();
    if (zone.isEmpty())
        return;
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(ligne + zone.left(), ligne + zone.right() + 1, couleur);
    }
    Touche(zone);
}

void SurfaceDessin::Efface() {
    PrepareImage();
    image_.fill(fond_);
    Touche(image_.rect());
    emit efface();
}

void SurfaceDessin::Ligne(float x1, float y1, float x2, float y2, QColor couleur) {
    const QLineF segment(x1, y1, x2, y2);
    Lignes({&segment, 1}, couleur);
    courantX_ = x2;
    courantY_ = y2;
}

void SurfaceDessin::Lignes(std::span<const QLineF> segments, QColor couleur) {
    PrepareImage();
    const qreal ratio = image_.devicePixelRatio();
    const int largeurDevice = Device(largeur_);
    const QRgb rgb = couleur.rgb();
    const Toile toile{reinterpret_cast<QRgb*>(image_.bits()), image_.width(), image_.height(),
                      static_cast<int>(image_.bytesPerLine() / sizeof(QRgb))};
    // The bounds of what was written, kept as four integers: a rectangle union per segment
    // was a library call each.
    int gauche = toile.largeur, haut = toile.hauteur, droite = -1, bas = -1;
    for (const QLineF& s : segments) {
        const QRect ecrit = TraceSegment(
            toile, echelle_.PixelX(s.x1()) * ratio, echelle_.PixelY(s.y1()) * ratio,
            echelle_.PixelX(s.x2()) * ratio, echelle_.PixelY(s.y2()) * ratio, largeurDevice, rgb);
        if (ecrit.isEmpty())
            continue;
        gauche = std::min(gauche, ecrit.left());
        haut = std::min(haut, ecrit.top());
        droite = std::max(droite, ecrit.right());
        bas = std::max(bas, ecrit.bottom());
    }
    if (droite >= gauche)
        Touche(QRect(QPoint(gauche, haut), QPoint(droite, bas)));
}

void SurfaceDessin::Boite(float x1, float y1, float x2, float y2, QColor couleur, bool pleine) {
    PrepareImage();
    const qreal ratio = image_.devicePixelRatio();
    const auto device = [ratio](double logique) {
        return static_cast<int>(std::lround(logique * ratio));
    };
    // Both corners are inside the box, as a pixel-drawn box has always been.
    const int unPixel = Device(1);
    const QRect zone(QPoint(device(echelle_.PixelX(std::min(x1, x2))),
                            device(echelle_.PixelY(std::min(y1, y2)))),
                     QPoint(device(echelle_.PixelX(std::max(x1, x2))) + unPixel - 1,
                            device(echelle_.PixelY(std::max(y1, y2))) + unPixel - 1));
    if (pleine) {
        Remplit(zone, couleur.rgb());
        return;
    }
    Remplit(zone, remplissage_.rgb());
    const int trait = Device(largeur_);
    Remplit(QRect(zone.left(), zone.top(), zone.width(), trait), couleur.rgb());
    Remplit(QRect(zone.left(), zone.bottom() - trait + 1, zone.width(), trait), couleur.rgb());
    Remplit(QRect(zone.left(), zone.top(), trait, zone.height()), couleur.rgb());
    Remplit(QRect(zone.right() - trait + 1, zone.top(), trait, zone.height()), couleur.rgb());
}

void SurfaceDessin::PlaceCourant(float x, float y) {
    courantX_ = x;
    courantY_ = y;
}

void SurfaceDessin::Imprime(const QString& texte) {
    PrepareImage();
    QPainter p(&image_);
    p.setFont(font());
    p.setPen(avantPlan_);
    const QFontMetricsF mesures(font(), &image_);
    const QPointF coin(echelle_.PixelX(courantX_), echelle_.PixelY(courantY_));
    p.drawText(coin + QPointF(0, mesures.ascent()), texte);
    p.end();
    const QRectF zone(coin, QSizeF(mesures.horizontalAdvance(texte), mesures.height()));
    const qreal ratio = image_.devicePixelRatio();
    Touche(QRectF(zone.topLeft() * ratio, zone.size() * ratio).toAlignedRect());
    courantX_ = static_cast<float>(echelle_.UniteX(zone.right()));
}

QPointF SurfaceDessin::VersUnites(QPointF positionWidget) const {
    return {echelle_.UniteX(positionWidget.x() - 1), echelle_.UniteY(positionWidget.y() - 1)};
}

QPointF SurfaceDessin::VersWidget(double x, double y) const {
    return {1 + echelle_.PixelX(x), 1 + echelle_.PixelY(y)};
}

void SurfaceDessin::AjouteSurcouche(const Surcouche* surcouche) {
    surcouches_.push_back(surcouche);
    update(surcouche->Zone());
}

void SurfaceDessin::RetireSurcouche(const Surcouche* surcouche) {
    std::erase(surcouches_, surcouche);
    update(surcouche->Zone());
}

void SurfaceDessin::SurcoucheModifiee(QRect ancienneZone, QRect nouvelleZone) {
    update(ancienneZone | nouvelleZone);
}

QPoint SurfaceDessin::PositionEnfant(float gauche, float haut) const {
    return {1 + static_cast<int>(std::lround(echelle_.PixelX(gauche))),
            1 + static_cast<int>(std::lround(echelle_.PixelY(haut)))};
}

void SurfaceDessin::PeintEnfant(QWidget* enfant, PeintParSurface* peint) {
    peints_.emplace_back(enfant, peint);
}

PeintParSurface* SurfaceDessin::PeintPar(const QObject* enfant) const {
    for (const auto& [controle, peint] : peints_)
        if (controle == enfant)
            return peint;
    return nullptr;
}

void SurfaceDessin::childEvent(QChildEvent* evenement) {
    if (evenement->removed())
        std::erase_if(peints_,
                      [enfant = evenement->child()](const auto& p) { return p.first == enfant; });
    QWidget::childEvent(evenement);
}

void SurfaceDessin::enterEvent(QEnterEvent* evenement) {
    for (const auto& [controle, peint] : peints_)
        peint->Rattrape();
    QWidget::enterEvent(evenement);
}

QImage SurfaceDessin::Image() {
    PrepareImage();
    return image_;
}

void SurfaceDessin::Restaure(const QImage& image) {
    image_ = image;
    Touche(image_.rect());
}

void SurfaceDessin::RestaureZone(const QImage& image, QRect zone) {
    zone &= image_.rect() & image.rect();
    if (zone.isEmpty())
        return;
    const size_t octets = static_cast<size_t>(zone.width()) * sizeof(QRgb);
    // Rows found by stepping, not asked for one by one: each request checks the picture is
    // not shared, fifty times a tick.
    const qsizetype decalage = zone.left() * qsizetype(sizeof(QRgb));
    const qsizetype pasCible = image_.bytesPerLine(), pasSource = image.bytesPerLine();
    uchar* cible = image_.bits() + zone.top() * pasCible + decalage;
    const uchar* source = image.constBits() + zone.top() * pasSource + decalage;
    for (int y = zone.top(); y <= zone.bottom(); ++y, cible += pasCible, source += pasSource)
        std::memcpy(cible, source, octets);
    Touche(zone);
}

void SurfaceDessin::paintEvent(QPaintEvent* evenement) {
    PrepareImage();
    QPainter p(this);
    const QRect interieur(1, 1, width() - 2, height() - 2);
    const QRect zone = evenement->rect() & interieur;
    if (!zone.isEmpty()) {
        // Rectangle by rectangle: the region leaves out the markers standing on the
        // surface, and one copy of its bounding rectangle would go through the raster
        // engine's clipping, span by span, and its thread pool.
        const qreal ratio = image_.devicePixelRatio();
        for (const QRect& morceau : evenement->region()) {
            const QRect cible = morceau & interieur;
            const QRectF source(QPointF(cible.topLeft() - QPoint(1, 1)) * ratio,
                                QSizeF(cible.size()) * ratio);
            p.drawImage(QRectF(cible), image_, source);
        }
        // The markers standing on the surface, bottom to top.
        for (const QObject* enfant : children())
            if (const PeintParSurface* peint = PeintPar(enfant);
                peint != nullptr && static_cast<const QWidget*>(enfant)->isVisible() &&
                peint->Zone().intersects(zone))
                peint->Peint(p, zone);
        for (const Surcouche* surcouche : surcouches_) {
            if (!surcouche->Zone().intersects(zone))
                continue;
            // Never beyond the zone it declares: the repaint of that zone is then enough to
            // take it away, whatever its text's metrics do at a fractional zoom.
            p.save();
            p.setClipRect(zone & surcouche->Zone());
            surcouche->Peint(p);
            p.restore();
        }
    }
    if (zone != evenement->rect()) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace kit
