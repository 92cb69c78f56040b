// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre/FenetreAide.h"

#include "kit/Plateforme.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace fenetre {

QString FenetreAide::Texte() {
    const auto touche = [](const QString& touches, const QString& effet) {
        return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(touches, effet);
    };
    QString texte = QStringLiteral("<h2>%1</h2><table cellspacing=\"4\">").arg(tr("Les touches"));
    texte += touche(tr("Espace"), tr("pause, ou reprise"));
    texte += touche(QStringLiteral("P"), tr("pause, puis avance de 50 ms"));
    texte += touche(tr("Gauche / Droite"), tr("sur la barre d'un capteur : le déplace de 0,1 cm "
                                              "(avec Maj, de 1 cm)"));
    texte += touche(tr("Haut / Bas"),
                    tr("sur le bloc du vibreur, en vibration solitaire : le déplace de 0,1 cm "
                       "(avec Maj, de 0,5 cm) ; Début le remet au repos"));
    texte += touche(QStringLiteral("F11"), tr("plein écran, ou retour à la fenêtre"));
    texte += touche(QStringLiteral("Ctrl+S"), tr("enregistrer les mesures de l'oscilloscope"));
    texte += touche(QStringLiteral("Ctrl+C"), tr("copier l'image de la fenêtre"));
    texte += touche(QStringLiteral("Ctrl+Maj+S"), tr("enregistrer l'image de la fenêtre"));
    texte += touche(QStringLiteral("Ctrl+1, Ctrl+2, Ctrl+4, Ctrl+0"),
                    tr("vitesse réelle, ou ralenti × 1/2, × 1/4, × 1/10 (l'axe de "
                       "l'oscilloscope reste le temps simulé)"));
    texte += touche(QStringLiteral("Ctrl+O, Ctrl+L"),
                    tr("ouvrir une leçon, enregistrer la leçon (fichier .vibraligne)"));
    texte += touche(QStringLiteral("Ctrl+F, Ctrl+Maj+F"),
                    tr("figer l'aspect de la corde (trois au plus, chacun avec son temps), "
                       "effacer les aspects figés"));
    texte += touche(QStringLiteral("Ctrl+G, Ctrl+Maj+G"),
                    tr("garder les traces de l'oscilloscope (estompées, sous les suivantes, avec "
                       "leurs réglages dans les mesures), effacer les traces gardées"));
    texte += touche(QStringLiteral("Ctrl+R"), tr("réinitialiser : tout comme au démarrage"));
    texte += touche(QStringLiteral("F1"), tr("cette aide"));
    texte += touche(tr("Tab"), tr("passer d'une commande à l'autre"));
    texte += QStringLiteral("</table>");

    texte +=
        QStringLiteral("<h2>%1</h2><p>%2</p><p>%3</p><p>%4</p>")
            .arg(tr("Les outils de la leçon"),
                 tr("Survoler la vue de la corde ou l'écran de l'oscilloscope affiche les "
                    "valeurs sous le pointeur : x et y sur la corde, t et y sur l'écran."),
                 tr("Glisser avec le bouton gauche mesure entre deux points : Δx (ou Δt) est "
                    "l'écart horizontal, Δy l'écart vertical ; sur l'écran, 1/Δt donne la "
                    "fréquence. La mesure reste jusqu'au prochain clic ou à l'effacement de "
                    "l'écran."),
                 tr("Le clic droit, ou sur un écran tactile un appui prolongé, ouvre le menu : "
                    "enregistrer les mesures, le profil de la corde ou l'image, copier l'image ; "
                    "choisir le ralenti.") +
                     QStringLiteral("<p>%1</p>")
                         .arg(tr("En vibration solitaire, le bloc du vibreur se saisit à la "
                                 "souris : la corde emporte le mouvement de la main, amorti et "
                                 "réfléchi comme une impulsion. Lâché, il reste où il est ; un "
                                 "bouton d'impulsion ou un changement d'onglet le remet au "
                                 "repos.")) +
                     QStringLiteral("<p>%1</p>")
                         .arg(tr("La ligne de référence, dans le menu de la vue de la corde, "
                                 "marque une hauteur, écrite à son bout : pour lire une "
                                 "amplitude, ou ce que l'amortissement en laisse. Sa poignée, à "
                                 "droite, se glisse à la souris ou au doigt ; avec Tab, les "
                                 "flèches haut et bas la déplacent.")));
    texte += QStringLiteral("<h2>%1</h2><p>%2</p>")
                 .arg(tr("Les extrémités de la corde"),
                      tr("« sans fin » : l'onde quitte la vue et ne revient pas. « fixe » : la "
                         "corde est attachée à 14 cm, l'onde s'y réfléchit à l'envers. « libre » : "
                         "l'extrémité glisse sur une tige, l'onde revient à l'endroit. Le vibreur "
                         "réfléchit l'onde comme une extrémité fixe."));
    texte += QStringLiteral("<h2>%1</h2><p>%2</p><p>%3</p>")
                 .arg(tr("Les fichiers"),
                      tr("Les mesures et le profil de la corde s'enregistrent en classeur .xlsx "
                         "(nombres, unités, graphique et réglages) ou en CSV ; l'image de la "
                         "fenêtre en PNG. Les données sont prises au moment de la demande."),
                      tr("Un nom sans extension reçoit celle du type choisi ; un mot confirme "
                         "chaque enregistrement pendant quelques secondes."));
    texte += QStringLiteral("<h2>%1</h2><p>%2</p>")
                 .arg(tr("À propos"),
                      tr("vibraLIGNE %1, logiciel libre sous licence GNU GPL version 3 ou "
                         "ultérieure (GPL-3.0-or-later). Construit avec Qt %2 ; fonctionne avec "
                         "Qt %3.")
                          .arg(kit::Edition().isEmpty()
                                   ? QStringLiteral(VIBRA_VERSION)
                                   : QStringLiteral(VIBRA_VERSION " (%1)").arg(kit::Edition()),
                               QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion())));
    return texte;
}

FenetreAide::FenetreAide(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Aide"));
    setWindowTitle(tr("Aide — vibraLIGNE"));
    setAccessibleName(tr("Aide de vibraLIGNE"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* texte = new QTextBrowser(this);
    texte->setObjectName(QStringLiteral("TexteAide"));
    texte->setAccessibleName(tr("Aide"));
    // A caret, as in a page read without a mouse: a screen reader reads the line it comes to.
    texte->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    texte->setHtml(Texte());
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(texte);
    disposition->addWidget(boutons);
    resize(560, 620);
}

void FenetreAide::Montre(QWidget* depuis) {
    // One help window: F1 again brings it forward.
    static QPointer<FenetreAide> ouverte;
    if (!ouverte)
        ouverte = new FenetreAide(depuis->window());
    ouverte->show();
    ouverte->raise();
    ouverte->activateWindow();
}

void AjouteAide(QWidget* fenetre) {
    auto* aide = new QAction(FenetreAide::tr("Aide"), fenetre);
    aide->setShortcut(QKeySequence::HelpContents);
    aide->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(aide, &QAction::triggered, fenetre,
                     [fenetre] { FenetreAide::Montre(fenetre); });
    fenetre->addAction(aide);
}

} // namespace fenetre
