// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/VueCorde.h"

#include "sim/ModeleOnde.h"
#include "view/Quadrillage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace view {
namespace {

const QColor CouleurCorde(127, 127, 127);
const QColor CouleurBloc(200, 200, 200);
constexpr float DerniereAbscisseQuadrillage = 16;

} // namespace

VueCorde::VueCorde(kit::SurfaceDessin& animation, const sim::EtatSimulation& etat)
    : animation_(animation), etat_(etat), marque_(animation) {}

void VueCorde::QuadrilleAnimation() {
    DessineQuadrillage(animation_, 16, DerniereAbscisseQuadrillage);
}

void VueCorde::AfficheVibreur(int16_t drapeau) {
    animation_.LargeurTrait(1);
    if (drapeau == 0) {
        const double p = etat_.ElongationPrecedente[0];
        animation_.Boite(-1, static_cast<float>(3.4 - p), 0, static_cast<float>(3.6 - p), Qt::white,
                         true);
        return;
    }
    animation_.CouleurAvantPlan(Qt::black);
    animation_.CouleurRemplissage(CouleurBloc);
    const double e = etat_.Elongation[0];
    const float haut = static_cast<float>(3.4 - e);
    const float bas = static_cast<float>(3.6 - e);
    animation_.Boite(-1, haut, 0, bas, Qt::black, true);
    animation_.Boite(-1, haut, 0, bas, Qt::black, false);
}

int VueCorde::CalculeSegments() {
    // With an end, the string stops there.
    const int segments =
        etat_.Extremite == sim::SansFin ? sim::DernierPointCalcule : sim::PointExtremite;
    for (int i = 0; i < segments; ++i) {
        const double x = i / 12.0;
        segments_[i] = QLineF(static_cast<float>(x),
                              static_cast<float>(sim::OrdonneeRepos - etat_.Elongation[i]),
                              static_cast<float>(x + 1 / 12.0),
                              static_cast<float>(sim::OrdonneeRepos - etat_.Elongation[i + 1]));
    }
    return segments;
}

void VueCorde::DessineCorde(bool enUnePasse) {
    animation_.LargeurTrait(2);
    const int segments = CalculeSegments();
    for (int i = 0; i < segments; ++i) {
        if (!enUnePasse)
            animation_.Ligne(segments_[i].x1(), segments_[i].y1(), segments_[i].x2(),
                             segments_[i].y2(), CouleurCorde);
    }
    if (enUnePasse)
        animation_.Lignes(std::span(segments_).first(static_cast<size_t>(segments)), CouleurCorde);
    marque_.Suit(etat_);
}

void VueCorde::AfficheCorde() {
    bool fondValable = false;
    {
        const QImage actuelle = animation_.Image();
        fondValable = fond_.size() == actuelle.size() &&
                      fond_.devicePixelRatio() == actuelle.devicePixelRatio();
    }
    if (!fondValable) {
        animation_.Efface();
        QuadrilleAnimation();
        DessineAspects();
        fond_ = animation_.Image();
    } else if (animation_.Generation() != generationPrecedente_) {
        animation_.Restaure(fond_);
    } else {
        animation_.RestaureZone(fond_, zonePrecedente_);
    }
    animation_.DebutSuivi();
    AfficheVibreur(0);
    DessineCorde(true);
    AfficheVibreur(1);
    zonePrecedente_ = animation_.FinSuivi();
    generationPrecedente_ = animation_.Generation();
}

void VueCorde::AfficheCordeSansCache() {
    animation_.Efface();
    QuadrilleAnimation();
    DessineAspects();
    AfficheVibreur(0);
    DessineCorde(false);
    AfficheVibreur(1);
}

void VueCorde::Fige() {
    const int segments = CalculeSegments();
    AspectFige aspect{etat_.TempsMs / 1000.0,
                      {etat_.Elongation.begin(), etat_.Elongation.begin() + segments + 1},
                      {segments_.begin(), segments_.begin() + segments},
                      kit::AspectsFiges[prochainAspect_]};
    if (aspects_.size() < AspectsMax)
        aspects_.push_back(std::move(aspect));
    else
        aspects_[prochainAspect_] = std::move(aspect);
    prochainAspect_ = (prochainAspect_ + 1) % AspectsMax;
    fond_ = QImage(); // composed again, with it
    DecritAspects();
    AfficheCorde();
}

void VueCorde::EffaceAspects() {
    if (aspects_.empty())
        return;
    aspects_.clear();
    prochainAspect_ = 0;
    fond_ = QImage();
    DecritAspects();
    AfficheCorde();
}

// What a screen reader says of the view: "Aspect figé 1 : t = 2,35 s", one after the other.
void VueCorde::DecritAspects() {
    QStringList aspects;
    for (size_t n = 0; n < aspects_.size(); ++n)
        aspects << QCoreApplication::translate("VueCorde", "Aspect figé %1 : t = %2 s")
                       .arg(n + 1)
                       .arg(QLocale().toString(aspects_[n].secondes, 'f', 2));
    animation_.setAccessibleDescription(aspects.join(QStringLiteral(" ; ")));
}

// Over the grid, under the erase box, the string and the block; each labelled with its time
// in the top left corner, in its own colour made darker to be read.
void VueCorde::DessineAspects() {
    animation_.LargeurTrait(2);
    for (size_t n = 0; n < aspects_.size(); ++n) {
        animation_.Lignes(aspects_[n].segments, kit::Couleur(aspects_[n].couleur));
        animation_.CouleurAvantPlan(kit::Couleur(aspects_[n].couleur).darker(150));
        animation_.PlaceCourant(0.15f, 0.1f + 0.45f * static_cast<float>(n));
        animation_.Imprime(
            QStringLiteral("t = %1 s").arg(QLocale().toString(aspects_[n].secondes, 'f', 2)));
    }
}

} // namespace view
