// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Langue.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Wine does not pass Qt's own variables (QT_*) on to a Windows program: the Windows run
    // names them VIBRA_QT_* instead, and they take effect here.
    for (const char* nom : {"QT_QPA_PLATFORM", "QT_SCALE_FACTOR"})
        if (const QByteArray valeur = qgetenv((QByteArray("VIBRA_") + nom).constData());
            !valeur.isEmpty())
            qputenv(nom, valeur);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A runtime folder of the tests' own where the session has none (a CI machine, a root
    // shell without a login): Qt warns at every start without one.
    const QTemporaryDir execution;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && execution.isValid())
        qputenv("XDG_RUNTIME_DIR", execution.path().toLocal8Bit());
    QApplication application(argc, argv);
    // Qt's offscreen platform on Windows reads no system font: where neither Calibri nor
    // Carlito is known, the Carlito files of the system's font folder are handed to it (under
    // Wine, scripts/windows puts them there).
    if (!QFontDatabase::hasFamily(QStringLiteral("Calibri")) &&
        !QFontDatabase::hasFamily(QStringLiteral("Carlito")))
        for (const QString& dossier :
             QStandardPaths::standardLocations(QStandardPaths::FontsLocation))
            for (const QString& police : QDir(dossier).entryList({"Carlito*.ttf"}, QDir::Files))
                QFontDatabase::addApplicationFont(dossier + '/' + police);
    // French is the program's language, whatever the system's.
    kit::InstalleLangue(kit::Langue::Francais);
    QApplication::setStyle(QStringLiteral("Fusion"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
