// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LigneDeCommande.h"

#include "app/Console.h"
#include "fenetre/FenetreCorde.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <QTimer>

#include <cstdio>

namespace app {
namespace {

// Qt's own options, which the application object reads after this parser: accepted here,
// never shown in the help.
constexpr const char* OptionsDeQtAvecValeur[] = {"platform",        "style",        "display",
                                                 "qwindowgeometry", "qwindowtitle", "stylesheet",
                                                 "plugin",          "session"};
constexpr const char* OptionsDeQtSansValeur[] = {"reverse", "widgetcount", "nograb", "dograb"};

// Where the platform is chosen by Qt from the environment, a Unix desktop needs X11 or
// Wayland; Windows and a platform named on purpose always have what they need.
bool AffichageDisponible(bool plateformeDemandee) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return plateformeDemandee || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    (void)plateformeDemandee;
    return true;
#endif
}

} // namespace

Commande LitLigneDeCommande(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // The language first: the help is given in it.
    Commande commande;
    QString langueDemandee;
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i].startsWith(QLatin1String("--lang=")))
            langueDemandee = arguments[i].mid(7);
        else if (arguments[i] == QLatin1String("--lang") && i + 1 < arguments.size())
            langueDemandee = arguments[i + 1];
    }
    const bool langueValable =
        langueDemandee.isEmpty() || kit::CodesLangues().contains(langueDemandee);
    commande.langue = kit::LangueChoisie(langueValable ? langueDemandee : QString());
    const auto traducteur = kit::Traducteur(commande.langue);
    const auto t = [&traducteur](const char* francais) {
        const QString traduit =
            traducteur ? traducteur->translate("LigneDeCommande", francais) : QString();
        return traduit.isEmpty() ? QString::fromUtf8(francais) : traduit;
    };

    QCommandLineParser options;
    options.setApplicationDescription(
        t(QT_TRANSLATE_NOOP("LigneDeCommande", "vibraLIGNE anime une onde transversale le long "
                                               "d'une corde, pour la classe de physique.")));
    const QCommandLineOption aide({"h", "help"},
                                  t(QT_TRANSLATE_NOOP("LigneDeCommande", "Affiche cette aide.")));
    const QCommandLineOption version(
        {"v", "version"}, t(QT_TRANSLATE_NOOP("LigneDeCommande", "Affiche la version.")));
    const QCommandLineOption langue(
        "lang",
        t(QT_TRANSLATE_NOOP("LigneDeCommande",
                            "Langue de l'interface : fr, en, es, de ou it (par défaut, celle du "
                            "système si c'est l'une d'elles, sinon le français).")),
        t(QT_TRANSLATE_NOOP("LigneDeCommande", "langue")));
    const QCommandLineOption verifie(
        "check",
        t(QT_TRANSLATE_NOOP("LigneDeCommande",
                            "Vérifie une leçon sans l'ouvrir ni rien afficher (code de sortie 0 "
                            "si elle est valable, 1 sinon, avec la raison).")),
        t(QT_TRANSLATE_NOOP("LigneDeCommande", "fichier")));
    options.addOptions({aide, version, langue, verifie});
    options.addPositionalArgument(
        t(QT_TRANSLATE_NOOP("LigneDeCommande", "lecon")),
        t(QT_TRANSLATE_NOOP("LigneDeCommande", "Une leçon (.vibraligne) à ouvrir.")),
        QStringLiteral("[LECON.vibraligne]"));
    for (const char* nom : OptionsDeQtAvecValeur) {
        QCommandLineOption qt(QString::fromLatin1(nom), QString(), QStringLiteral("valeur"));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        options.addOption(qt);
    }
    for (const char* nom : OptionsDeQtSansValeur) {
        QCommandLineOption qt(QString::fromLatin1(nom));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        options.addOption(qt);
    }

    const QString essayez =
        t(QT_TRANSLATE_NOOP("LigneDeCommande", "Essayez « vibraligne --help ».")) + '\n';
    if (!options.parse(arguments)) {
        const QStringList inconnues = options.unknownOptionNames();
        const QString message =
            inconnues.isEmpty()
                ? options.errorText()
                : t(QT_TRANSLATE_NOOP("LigneDeCommande", "option inconnue : %1"))
                      .arg(inconnues.first().size() == 1 ? "-" + inconnues.first()
                                                         : "--" + inconnues.first());
        EcritConsole(stderr, QStringLiteral("vibraligne: ") + message + '\n' + essayez);
        commande.sortie = 2;
        return commande;
    }
    if (!langueValable) {
        EcritConsole(stderr, QStringLiteral("vibraligne: ") +
                                 t(QT_TRANSLATE_NOOP("LigneDeCommande",
                                                     "langue inconnue : %1 (fr, en, es, de ou it)"))
                                     .arg(langueDemandee) +
                                 '\n' + essayez);
        commande.sortie = 2;
    } else if (options.isSet(aide)) {
        // Qt's own headings, in the language of the rest.
        QString texte = options.helpText();
        texte.replace(QStringLiteral("<executable_name>"), QStringLiteral("vibraligne"));
        texte.replace(QStringLiteral("Usage:"),
                      t(QT_TRANSLATE_NOOP("LigneDeCommande", "Utilisation :")));
        texte.replace(QStringLiteral("Options:"),
                      t(QT_TRANSLATE_NOOP("LigneDeCommande", "Options :")));
        texte.replace(QStringLiteral("Arguments:"),
                      t(QT_TRANSLATE_NOOP("LigneDeCommande", "Arguments :")));
        EcritConsole(stdout, texte);
        commande.sortie = 0;
    } else if (options.isSet(version)) {
        EcritConsole(stdout,
                     QStringLiteral("vibraLIGNE %1\n").arg(QCoreApplication::applicationVersion()));
        commande.sortie = 0;
    } else if (options.isSet(verifie)) {
        commande.verifie = options.value(verifie);
    } else if (options.positionalArguments().size() > 1) {
        EcritConsole(stderr,
                     QStringLiteral("vibraligne: ") +
                         t(QT_TRANSLATE_NOOP("LigneDeCommande", "une seule leçon à la fois")) +
                         '\n' + essayez);
        commande.sortie = 2;
    } else if (!AffichageDisponible(options.isSet(QStringLiteral("platform")))) {
        // Qt would abort with its own message in English and a core dump's exit code.
        EcritConsole(stderr, QStringLiteral("vibraligne: ") +
                                 t(QT_TRANSLATE_NOOP("LigneDeCommande",
                                                     "un affichage graphique est nécessaire, et "
                                                     "aucun n'est ouvert (DISPLAY et "
                                                     "WAYLAND_DISPLAY sont vides).")) +
                                 '\n');
        commande.sortie = 1;
    }
    if (!options.positionalArguments().isEmpty())
        commande.lecon = options.positionalArguments().constFirst();
    return commande;
}

void OuvreLeconDemandee(fenetre::FenetreCorde* fenetre, const QString& lecon) {
    if (const QString raison = fenetre->OuvreLecon(lecon); !raison.isEmpty())
        QTimer::singleShot(0, fenetre, [fenetre, raison] { fenetre->signaleLecon(raison); });
}

} // namespace app
