// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/MenuContextuel.h"

#include <QMenu>
#include <QWidget>

namespace kit {

QMenu* MetUnMenu(QWidget* controle) {
    controle->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* menu = new QMenu(controle);
    menu->setObjectName(controle->objectName() + QStringLiteral("Menu"));
    QObject::connect(controle, &QWidget::customContextMenuRequested, menu,
                     [controle, menu](const QPoint& position) {
                         if (menu->actions() != controle->actions()) {
                             menu->clear();
                             menu->addActions(controle->actions());
                         }
                         menu->popup(controle->mapToGlobal(position));
                     });
    return menu;
}

} // namespace kit
