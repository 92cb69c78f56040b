// SPDX-License-Identifier: GPL-3.0-or-later
// In a page, the address stands for the command line: ?lang=de chooses the language (else
// the browser's), ?lecon=cours1.vibraligne names a lesson put beside the page.
#include "app/LigneDeCommande.h"

#include "fenetre/FenetreCorde.h"
#include "mesure/Dialogues.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

#include <emscripten.h>
#include <emscripten/val.h>

namespace app {
namespace {

QString Adresse() {
    return QString::fromStdString(emscripten::val::global("location")["href"].as<std::string>());
}

// Only a file beside the page, on its own site, is read: a link cannot make a student's
// browser fetch a lesson from elsewhere.
bool MemeOrigine(const QUrl& page, const QUrl& lecon) {
    return lecon.scheme() == page.scheme() && lecon.host() == page.host() &&
           lecon.port() == page.port();
}

struct Reception {
    QPointer<fenetre::FenetreCorde> fenetre;
    QString nom;
};

void Dit(fenetre::FenetreCorde* fenetre, const QString& nom, const QString& raison) {
    fenetre->signaleLecon(
        QCoreApplication::translate("Lecon", "La leçon « %1 » n'a pas été ouverte : %2.")
            .arg(nom, raison));
}

void Recue(void* donnee, void* octets, int taille) {
    std::unique_ptr<Reception> reception(static_cast<Reception*>(donnee));
    if (!reception->fenetre)
        return;
    const QString chemin = mesure::DepotDansLaPage(
        reception->nom, QByteArray(static_cast<const char*>(octets), taille));
    const QString raison = chemin.isEmpty()
                               ? QCoreApplication::translate("Lecon", "la page manque de mémoire")
                               : reception->fenetre->OuvreLecon(chemin);
    if (!raison.isEmpty())
        reception->fenetre->signaleLecon(raison);
}

void PasRecue(void* donnee) {
    std::unique_ptr<Reception> reception(static_cast<Reception*>(donnee));
    if (reception->fenetre)
        Dit(reception->fenetre, reception->nom,
            QCoreApplication::translate("Lecon", "le fichier ne peut pas être lu (%1)")
                .arg(QCoreApplication::translate("Lecon", "absent du site de la page")));
}

} // namespace

Commande LitLigneDeCommande(int, char**) {
    const QUrlQuery requete(QUrl(Adresse()).query());
    Commande commande;
    QString langue = requete.queryItemValue(QStringLiteral("lang"));
    if (!kit::CodesLangues().contains(langue))
        langue = QString::fromStdString(
                     emscripten::val::global("navigator")["language"].as<std::string>())
                     .left(2)
                     .toLower();
    commande.langue =
        kit::CodesLangues().contains(langue) ? kit::LangueChoisie(langue) : kit::Langue::Francais;
    commande.lecon = requete.queryItemValue(QStringLiteral("lecon"), QUrl::FullyDecoded);
    return commande;
}

void OuvreLeconDemandee(fenetre::FenetreCorde* fenetre, const QString& lecon) {
    const QUrl page(Adresse());
    const QUrl url = page.resolved(QUrl(lecon));
    const QString nom = QFileInfo(url.path()).fileName();
    if (!url.isValid() || !MemeOrigine(page, url)) {
        QTimer::singleShot(0, fenetre, [fenetre, nom, lecon] {
            Dit(fenetre, nom.isEmpty() ? lecon : nom,
                QCoreApplication::translate("Lecon",
                                            "seul un fichier du site de la page peut être lu"));
        });
        return;
    }
    emscripten_async_wget_data(url.toString(QUrl::FullyEncoded).toUtf8().constData(),
                               new Reception{fenetre, nom}, Recue, PasRecue);
}

} // namespace app
