#pragma once

class QAction;
class QWidget;

namespace tarvanel {

class Plan;

// "Χάρτης..." (Ctrl+Shift+M) among `window`'s actions, for its right-click
// menu: it opens the map of `plan`, built the first time it is asked for (a
// window that never opens the map pays for none of it), and brings it to the
// front after. The map belongs to `window`, whose plan must outlive it.
QAction* addMapAction(QWidget* window, Plan& plan);

// The map `window` opened, for the views that follow it (its chosen site, what
// that site sees); null until it is first opened.
class MapWindow;
MapWindow* mapWindowOf(const QWidget* window);

} // namespace tarvanel
