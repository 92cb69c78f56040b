// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenu;
class QWidget;

namespace kit {

// The control's own actions as its context menu (a right click, a long press, the Menu key
// or Shift+F10), opened without waiting for the choice, since a page has no nested event
// loop. One menu for the control's whole life, its entries brought up to date as it opens:
// a screen reader meets the same objects at every opening.
QMenu* MetUnMenu(QWidget* controle);

} // namespace kit
