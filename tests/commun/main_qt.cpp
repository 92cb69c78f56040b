// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Langue.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A runtime folder of the tests' own where the session has none (a CI machine, a root
    // shell without a login): Qt warns at every start without one.
    const QTemporaryDir execution;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && execution.isValid())
        qputenv("XDG_RUNTIME_DIR", execution.path().toLocal8Bit());
    QApplication application(argc, argv);
    // French is the program's language, whatever the system's.
    kit::InstalleLangue(kit::Langue::Francais);
    QApplication::setStyle(QStringLiteral("Fusion"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
