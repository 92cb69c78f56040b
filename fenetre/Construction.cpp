// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre/Construction.h"

#include "fenetre/Accessibilite.h"
#include "fenetre/Tables.h"
#include "kit/Controles.h"
#include "kit/Images.h"
#include "kit/SurfaceDessin.h"
#include "kit/Zoom.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace fenetre {
using namespace kit;
namespace {

QString Nom(std::string_view texte) {
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

Qt::Alignment Alignement(unsigned drapeaux) {
    const Qt::Alignment horizontal = drapeaux & ADroite  ? Qt::AlignRight
                                     : drapeaux & Centre ? Qt::AlignHCenter
                                                         : Qt::AlignLeft;
    return horizontal | Qt::AlignTop;
}

void Colore(QWidget* w, Rgb fond, Rgb texte) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, Couleur(fond));
    palette.setColor(QPalette::Button, Couleur(fond));
    palette.setColor(QPalette::WindowText, Couleur(texte));
    palette.setColor(QPalette::ButtonText, Couleur(texte));
    palette.setColor(QPalette::Text, Couleur(texte));
    w->setPalette(palette);
}

Echelle EchelleDe(std::string_view nom) {
    const auto echelles = EchellesSurfaces();
    const auto it = std::find_if(echelles.begin(), echelles.end(),
                                 [nom](const EchelleSurface& e) { return e.nom == nom; });
    if (it == echelles.end())
        throw std::logic_error("no scale for a drawing surface");
    return {it->gauche, it->haut, it->twipsParUniteX, it->twipsParUniteY};
}

QWidget* CreeEtiquette(const Controle& c, QWidget* parent) {
    auto* etiquette = new Etiquette(parent, c.curseur == Curseur::Main);
    etiquette->setTextFormat(Qt::PlainText);
    etiquette->setText(Legende(c.legende));
    etiquette->setAlignment(Alignement(c.drapeaux));
    etiquette->setWordWrap(c.drapeaux & RetourLigne);
    Colore(etiquette, c.fond, c.texte);
    etiquette->setAutoFillBackground(c.drapeaux & Opaque);
    return etiquette;
}

QWidget* CreeImage(const Controle& c, QWidget* parent) {
    auto* image = new Etiquette(parent, c.curseur == Curseur::Main);
    image->setScaledContents(true);
    return image;
}

QWidget* CreeBouton(const Controle& c, QWidget* parent) {
    auto* bouton = new QToolButton(parent);
    bouton->setText(Legende(c.legende));
    bouton->setToolButtonStyle(c.legende.empty() ? Qt::ToolButtonIconOnly
                                                 : Qt::ToolButtonTextUnderIcon);
    Colore(bouton, c.fond, c.texte);
    return bouton;
}

QWidget* CreeBarre(const Controle& c, QWidget* parent) {
    auto* barre = new QScrollBar(Qt::Horizontal, parent);
    const auto barres = BarresParametres();
    const auto it = std::find_if(barres.begin(), barres.end(),
                                 [&](const BarreParametre& b) { return b.nom == c.nom; });
    if (it == barres.end())
        throw std::logic_error("no range for a scroll bar");
    barre->setRange(it->minimum, it->maximum);
    barre->setValue(it->valeur);
    barre->setSingleStep(1);
    barre->setPageStep(it->pasTrack);
    // Qt inverts the keys of scroll bars by default; here Left must lower the value.
    barre->setInvertedControls(false);
    return barre;
}

QWidget* CreeOption(const Controle& c, QWidget* parent, QButtonGroup*& groupe) {
    auto* option = new QRadioButton(Legende(c.legende), parent);
    Colore(option, c.fond, c.texte);
    option->setAutoFillBackground(true);
    option->setChecked(c.drapeaux & Coche);
    if (groupe == nullptr)
        groupe = new QButtonGroup(parent);
    groupe->addButton(option);
    return option;
}

QWidget* Cree(const Controle& c, QWidget* parent, QButtonGroup*& groupe) {
    switch (c.genre) {
    case Genre::Panneau:
        return new Panneau(parent, Couleur(c.fond), c.drapeaux & Bordure);
    case Genre::Surface:
        return new SurfaceDessin(parent, EchelleDe(c.nom), Couleur(c.fond));
    case Genre::Etiquette:
        return CreeEtiquette(c, parent);
    case Genre::Image:
        return CreeImage(c, parent);
    case Genre::BoutonGraphique:
        return CreeBouton(c, parent);
    case Genre::Barre:
        return CreeBarre(c, parent);
    case Genre::Option:
        return CreeOption(c, parent, groupe);
    case Genre::Marqueur: {
        auto* surface = qobject_cast<SurfaceDessin*>(parent);
        if (surface == nullptr)
            throw std::logic_error("a marker lives in a drawing surface");
        auto* marqueur = new Marqueur(surface, Couleur(c.fond), c.drapeaux & Bordure);
        const Echelle& e = surface->echelle();
        marqueur->Place(static_cast<float>(e.gauche + c.gauche / e.twipsParUniteX),
                        static_cast<float>(e.haut + c.haut / e.twipsParUniteY));
        return marqueur;
    }
    }
    throw std::logic_error("unknown kind of control");
}

// What depends on the zoom: place and size, font, picture, cursor, a surface's scale.
void Dimensionne(QWidget* w, const Controle& c, QPoint origine, double zoom,
                 const QCursor& curseur) {
    w->setFont(PoliceQt(c.police, zoom));
    w->setCursor(curseur);
    const QSize taille(Pixels(c.largeur, zoom), Pixels(c.hauteur, zoom));
    switch (c.genre) {
    case Genre::Marqueur: {
        auto* marqueur = static_cast<Marqueur*>(w);
        marqueur->resize(taille);
        marqueur->Place(marqueur->Gauche(), marqueur->Haut());
        return;
    }
    case Genre::Panneau:
        static_cast<Panneau*>(w)->Image(Pixmap(c.dessin, zoom));
        break;
    case Genre::Image:
        static_cast<QLabel*>(w)->setPixmap(Pixmap(c.dessin, zoom));
        break;
    case Genre::BoutonGraphique: {
        auto* bouton = static_cast<QToolButton*>(w);
        const QPixmap image = Pixmap(c.dessin, zoom);
        bouton->setIcon(QIcon(image));
        bouton->setIconSize(image.size());
        break;
    }
    default:
        break;
    }
    w->setGeometry(QRect(origine + QPoint(Pixels(c.gauche, zoom), Pixels(c.haut, zoom)), taille));
    if (c.genre == Genre::Surface)
        static_cast<SurfaceDessin*>(w)->Zoom(zoom);
}

} // namespace

QString Legende(std::string_view francais) {
    const std::string source(francais);
    return QCoreApplication::translate("Disposition", source.c_str());
}

QFont PoliceQt(const Police& police, double zoom) {
    static const bool substitue = [] {
        if (!QFontDatabase::hasFamily(QStringLiteral("Calibri")))
            QFont::insertSubstitution(QStringLiteral("Calibri"), QStringLiteral("Carlito"));
        return true;
    }();
    (void)substitue;
    QFont font(QStringLiteral("Calibri"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(police.points * 120 / 72 * zoom))));
    font.setBold(police.gras);
    font.setItalic(police.italique);
    font.setUnderline(police.souligne);
    return font;
}

void AppliqueZoom(QWidget* fenetre, const Fenetre& disposition, double zoom, QPoint origine) {
    fenetre->setFont(PoliceQt({}, zoom));
    const QCursor curseurs[] = {CurseurDe(Curseur::Fleche, zoom), CurseurDe(Curseur::Main, zoom),
                                CurseurDe(Curseur::Pince, zoom)};
    // Where each container's children start: inside its border, if it has one.
    std::unordered_map<std::string_view, QPoint> origines{{"", origine}};
    for (const Controle& c : disposition.controles) {
        QWidget* w = Trouve<QWidget>(fenetre, std::string(c.nom).c_str());
        Dimensionne(w, c, origines.at(c.parent), zoom, curseurs[static_cast<int>(c.curseur)]);
        const int bord = c.drapeaux & Bordure ? 1 : 0;
        origines.emplace(c.nom, QPoint(bord, bord));
    }
}

void ConstruitFenetre(QWidget* fenetre, const Fenetre& disposition) {
    InstalleFabriqueAccessible();
    fenetre->setObjectName(Nom(disposition.nom));
    fenetre->setWindowTitle(Nom(disposition.legende));
    fenetre->resize(Pixels(disposition.largeur), Pixels(disposition.hauteur));
    QPalette palette = fenetre->palette();
    palette.setColor(QPalette::Window, Couleur(disposition.fond));
    fenetre->setPalette(palette);
    fenetre->setAutoFillBackground(true);

    std::unordered_map<std::string_view, QWidget*> conteneurs{{"", fenetre}};
    std::unordered_map<std::string_view, QButtonGroup*> groupes;
    for (const Controle& c : disposition.controles) {
        QWidget* w = Cree(c, conteneurs.at(c.parent), groupes[c.parent]);
        w->setObjectName(Nom(c.nom));
        w->setVisible(!(c.drapeaux & Cache));
        conteneurs.emplace(c.nom, w);
    }
    AppliqueZoom(fenetre, disposition, 1, {});
    new ZoomFenetre(fenetre, disposition, [fenetre, &disposition](double zoom, QPoint origine) {
        AppliqueZoom(fenetre, disposition, zoom, origine);
    });
    // Listed front to back: lowering each in turn leaves the first on top.
    for (const Controle& c : disposition.controles)
        conteneurs.at(c.nom)->lower();
}

} // namespace fenetre
