// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

namespace fenetre {

// What a teacher who has not read the README needs: the keys, the lesson tools, the ends of
// the string, the files the program writes, and who made it under which licence. One
// window for the whole program, opened by F1, in the interface's language.
class FenetreAide : public QDialog {
    Q_OBJECT
public:
    static void Montre(QWidget* depuis);
    static QString Texte(); // HTML

private:
    explicit FenetreAide(QWidget* parent);
};

// F1 on that window opens the help.
void AjouteAide(QWidget* fenetre);

} // namespace fenetre
