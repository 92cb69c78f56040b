// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace mesure {

// What a person answered: a path and the type chosen, or nothing if they gave up (then the
// continuation is not called at all).
using SuiteEnregistrement = std::function<void(const QString& chemin, const QString& filtre)>;
using SuiteOuverture = std::function<void(const QString& chemin)>;

// No dialog blocks: each is opened and its answer continues in the function given, so that
// a page in a browser, which has no nested event loop, asks the same way. On a desktop,
// Qt's file dialog; in a page, the proposed name as it stands (the browser downloads the
// file) and the browser's own file picker.
void DemandeEnregistrement(QWidget* parent, const QString& titre, const QString& chemin,
                           const QStringList& filtres, const QString& filtre,
                           SuiteEnregistrement suite);
void DemandeOuverture(QWidget* parent, const QString& titre, const QString& dossier,
                      const QString& filtre, SuiteOuverture suite);

// In a page only: a file received (picked, or fetched from beside the page) kept in the
// page's memory under its own name; its path there, or nothing if it could not be.
QString DepotDansLaPage(const QString& nom, const QByteArray& contenu);

// A warning in a box of its own, which the program does not wait for.
void Avertit(QWidget* parent, const QString& titre, const QString& message);

// The extension a filter names: "xlsx" for "Classeurs Excel (*.xlsx)".
QString ExtensionDuFiltre(const QString& filtre);

} // namespace mesure
