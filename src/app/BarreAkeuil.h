#pragma once

class QToolBar;
class QWidget;

namespace palmora {

// The main window's toolbar `Toolbar1`: one action per command, named by its key (the
// button beside it carries the same name), with the drop-down menus of "Note" (empty until
// a competition is opened), "Voir" and "Imprimer".
QToolBar* creerToolbar1(QWidget* parent);

} // namespace palmora
