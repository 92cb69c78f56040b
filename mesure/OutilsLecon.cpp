// SPDX-License-Identifier: GPL-3.0-or-later
#include "mesure/OutilsLecon.h"

#include "mesure/Fichiers.h"
#include "sim/Excitation.h"
#include "sim/ModeleOnde.h"
#include "sim/Releve.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>

#include <cmath>

namespace mesure {
namespace {

sim::FormatCsv FormatDeLaLangue() {
    return QLocale().decimalPoint() == QLatin1String(",") ? sim::CsvFrancais : sim::CsvAnglais;
}

int DernierPointDessine(const sim::EtatSimulation& etat) {
    return etat.Extremite == sim::SansFin ? sim::DernierPointCalcule : sim::PointExtremite;
}

} // namespace

OutilsLecon::OutilsLecon(QWidget* fenetre, kit::SurfaceDessin& animation,
                         kit::SurfaceDessin& oscillo, const sim::EtatSimulation& etat,
                         const scope::Traces& traces)
    : QObject(fenetre), fenetre_(fenetre), animation_(animation), oscillo_(oscillo), etat_(etat),
      traces_(traces) {
    corde_ = std::make_unique<Mesureur>(
        animation,
        [this](QPointF u) {
            QString texte = tr("x = %1 cm").arg(Nombre(u.x()));
            const int32_t i = sim::PointLePlusProche(u.x());
            if (i >= 0 && i <= DernierPointDessine(etat_))
                texte += tr(" ; y = %1 cm").arg(Nombre(etat_.Elongation[static_cast<size_t>(i)]));
            return texte;
        },
        [](QPointF a, QPointF b) { return tr("Δx = %1 cm").arg(Nombre(b.x() - a.x())); });
    // Ten divisions hold one sweep; up the screen is a positive displacement.
    const auto secondes = [this](double divisions) { return divisions * etat_.DureeBalayage / 10; };
    ecran_ = std::make_unique<Mesureur>(
        oscillo,
        [secondes](QPointF u) {
            return tr("t = %1 s ; y = %2 cm")
                .arg(Nombre(secondes(u.x())), Nombre(sim::OrdonneeRepos - u.y()));
        },
        [secondes](QPointF a, QPointF b) {
            const double dt = secondes(b.x() - a.x());
            const QString frequence =
                std::abs(dt) >= 0.005 ? tr("%1 Hz").arg(Nombre(1 / dt)) : QStringLiteral("—");
            return tr("Δt = %1 s\nΔy = %2 cm\n1/Δt = %3")
                .arg(Nombre(dt), Nombre(a.y() - b.y()), frequence);
        });

    demandeChemin = [this](const QString& titre, const QString& dossier, const QString& filtre) {
        return QFileDialog::getSaveFileName(fenetre_, titre, dossier, filtre);
    };
    signaleErreur = [this](const QString& message) {
        QMessageBox::warning(fenetre_, tr("Enregistrement impossible"), message);
    };

    const auto action = [this](const QString& texte, QKeySequence touches, auto quoi) {
        auto* a = new QAction(texte, fenetre_);
        a->setShortcut(touches);
        connect(a, &QAction::triggered, this, quoi);
        fenetre_->addAction(a);
        for (kit::SurfaceDessin* s : {&animation_, &oscillo_})
            s->addAction(a);
        return a;
    };
    const QString csv = tr("Fichiers CSV (*.csv)");
    action(tr("Enregistrer les mesures…"), QKeySequence(Qt::CTRL | Qt::Key_S), [this, csv] {
        Propose(tr("Enregistrer les mesures…"), csv, false, &OutilsLecon::EnregistreMesures);
    });
    action(tr("Enregistrer le profil de la corde…"), {}, [this, csv] {
        Propose(tr("Enregistrer le profil de la corde…"), csv, false,
                &OutilsLecon::EnregistreProfil);
    });
    action(tr("Copier l'image"), QKeySequence(Qt::CTRL | Qt::Key_C), [this] { CopieImage(); });
    action(tr("Enregistrer l'image…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] {
        Propose(tr("Enregistrer l'image…"), tr("Images PNG (*.png)"), true,
                &OutilsLecon::EnregistreImage);
    });
    for (kit::SurfaceDessin* s : {&animation_, &oscillo_})
        s->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void OutilsLecon::Propose(const QString& titre, const QString& filtre, bool image,
                          QString (OutilsLecon::*ecrit)(const QString&) const) {
    QString dossier = dernierDossier_;
    if (dossier.isEmpty())
        dossier = QStandardPaths::writableLocation(image ? QStandardPaths::PicturesLocation
                                                         : QStandardPaths::DocumentsLocation);
    const QString chemin = demandeChemin(titre, dossier, filtre);
    if (chemin.isEmpty())
        return;
    dernierDossier_ = QFileInfo(chemin).absolutePath();
    if (const QString raison = (this->*ecrit)(chemin); !raison.isEmpty())
        signaleErreur(
            tr("Impossible d'enregistrer « %1 » : %2.").arg(QFileInfo(chemin).fileName(), raison));
}

QString OutilsLecon::Ecrit(const QString& chemin, const QByteArray& contenu) const {
    return EcritFichier(chemin, contenu);
}

QString OutilsLecon::EnregistreMesures(const QString& chemin) const {
    return Ecrit(chemin,
                 QByteArray::fromStdString(sim::CsvMesures(traces_.Releve(), FormatDeLaLangue())));
}

QString OutilsLecon::EnregistreProfil(const QString& chemin) const {
    const std::span<const double> points(etat_.Elongation.data(),
                                         static_cast<size_t>(DernierPointDessine(etat_)) + 1);
    return Ecrit(chemin, QByteArray::fromStdString(sim::CsvProfil(points, FormatDeLaLangue())));
}

QString OutilsLecon::EnregistreImage(const QString& chemin) const {
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    fenetre_->grab().toImage().save(&tampon, "PNG");
    return Ecrit(chemin, png);
}

void OutilsLecon::CopieImage() const {
    QGuiApplication::clipboard()->setImage(fenetre_->grab().toImage());
}

} // namespace mesure
