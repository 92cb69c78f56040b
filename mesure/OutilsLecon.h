// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/SurfaceDessin.h"
#include "mesure/Mesureur.h"
#include "scope/Traces.h"
#include "sim/Etat.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace mesure {

// What a class takes away from a lesson: readouts and measurements on both screens, the
// oscilloscope's samples and the string's profile as CSV files, and the window's picture,
// on the clipboard or in a PNG file. Keys: Ctrl+S, Ctrl+C, Ctrl+Shift+S; the same entries
// in a context menu on both screens.
class OutilsLecon : public QObject {
    Q_OBJECT
public:
    OutilsLecon(QWidget* fenetre, kit::SurfaceDessin& animation, kit::SurfaceDessin& oscillo,
                const sim::EtatSimulation& etat, const scope::Traces& traces);

    // Each asks for a file and writes it; an empty string is a success, else the reason.
    QString EnregistreMesures(const QString& chemin) const;
    QString EnregistreProfil(const QString& chemin) const;
    QString EnregistreImage(const QString& chemin) const;
    void CopieImage() const;

    const Mesureur& SurLaCorde() const { return *corde_; }
    const Mesureur& SurLEcran() const { return *ecran_; }

    // Where the dialog would ask a person, and where a failure is told; tests replace them.
    std::function<QString(const QString& titre, const QString& dossier, const QString& filtre)>
        demandeChemin;
    std::function<void(const QString& message)> signaleErreur;

private:
    void Propose(const QString& titre, const QString& filtre, bool image,
                 QString (OutilsLecon::*ecrit)(const QString&) const);
    QString Ecrit(const QString& chemin, const QByteArray& contenu) const;

    QWidget* fenetre_;
    kit::SurfaceDessin& animation_;
    kit::SurfaceDessin& oscillo_;
    const sim::EtatSimulation& etat_;
    const scope::Traces& traces_;
    std::unique_ptr<Mesureur> corde_, ecran_;
    QString dernierDossier_;
};

} // namespace mesure
