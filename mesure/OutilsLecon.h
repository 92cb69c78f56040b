// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/SurfaceDessin.h"
#include "mesure/Dialogues.h"
#include "mesure/Mesureur.h"
#include "scope/Traces.h"
#include "sim/Etat.h"
#include "view/Capteurs.h"
#include "view/VueCorde.h"

#include <QByteArray>
#include <QLabel>
#include <QObject>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace mesure {

// One kind of file a request can be written as, and its bytes, made from what was frozen
// at the request.
struct Format {
    QString filtre;    // "Classeur Excel (*.xlsx)"
    QString extension; // "xlsx"
    std::function<QByteArray(QString& raison)> contenu;
};

// What a key or a menu entry asked for, taken at that moment: the animation goes on
// behind the dialog, and the file must hold what was on screen when it was asked for.
struct Demande {
    QString titre, nomPropose;
    QStandardPaths::StandardLocation dossier = QStandardPaths::DocumentsLocation;
    std::vector<Format> formats; // the first is proposed
    QString refus;               // why there is nothing to write, if so
};

// What a class takes away from a lesson: readouts and measurements on both screens, the
// oscilloscope's samples and the string's profile as workbooks or CSV files, and the
// window's picture, on the clipboard or in a PNG file. Keys: Ctrl+S, Ctrl+C, Ctrl+Shift+S;
// the same entries in a context menu on both screens.
class OutilsLecon : public QObject {
    Q_OBJECT
public:
    OutilsLecon(QWidget* fenetre, kit::SurfaceDessin& animation, kit::SurfaceDessin& oscillo,
                const sim::EtatSimulation& etat, const scope::Traces& traces,
                const view::Capteurs& capteurs);

    Demande Mesures() const;
    Demande Profil() const;
    Demande Image() const;
    // Written as the format the name's extension names, if the request offers it, else as
    // `format`, its extension added. An empty string is a success, else the reason.
    QString Enregistre(const Demande& demande, const QString& chemin, size_t format = 0);
    QString EnregistreMesures(const QString& chemin) { return Enregistre(Mesures(), chemin); }
    QString EnregistreProfil(const QString& chemin) { return Enregistre(Profil(), chemin); }
    QString EnregistreImage(const QString& chemin) { return Enregistre(Image(), chemin); }
    void CopieImage() const;
    // The word that a file was written, for a few seconds, whoever wrote it.
    void Confirme(const QString& chemin);
    // The window's pixels without the pointer's readout nor the word after a save.
    QImage PhotoFenetre() const;

    // The string's frozen shapes, read by the readout and written with the profile.
    void SuitLesAspects(const view::VueCorde& vue) { vue_ = &vue; }

    const Mesureur& SurLaCorde() const { return *corde_; }
    const Mesureur& SurLEcran() const { return *ecran_; }
    const QLabel& Confirmation() const { return *confirmation_; }
    QString DernierDossier() const { return dernierDossier_; }

    // Where the dialog would ask a person (the proposed path, the filters and the one
    // proposed; the answer continues in `suite`), and where a failure or a refusal is told;
    // tests replace them.
    std::function<void(const QString& titre, const QString& chemin, const QStringList& filtres,
                       const QString& filtre, SuiteEnregistrement suite)>
        demandeChemin;
    std::function<void(const QString& message)> signaleErreur;

private:
    void Propose(const Demande& demande);
    static QLabel* NouvelleConfirmation(QWidget* fenetre);
    const std::vector<view::VueCorde::AspectFige>& Aspects() const;
    QString DossierDeDepart(QStandardPaths::StandardLocation lieu) const;

    QWidget* fenetre_;
    kit::SurfaceDessin& animation_;
    kit::SurfaceDessin& oscillo_;
    const sim::EtatSimulation& etat_;
    const scope::Traces& traces_;
    const view::Capteurs& capteurs_;
    std::unique_ptr<Mesureur> corde_, ecran_;
    QLabel* confirmation_; // a child of the window
    const view::VueCorde* vue_ = nullptr;
    QTimer finConfirmation_;
    QString dernierDossier_;
};

} // namespace mesure
