#include "map/map_action.h"

#include "map/map_window.h"

#include <QAction>

namespace tarvanel {

QAction* addMapAction(QWidget* window, Plan& plan) {
    auto* open = new QAction(QStringLiteral("Χάρτης..."), window);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    QObject::connect(open, &QAction::triggered, window, [window, &plan] {
        MapWindow* map = mapWindowOf(window);
        if (!map) map = new MapWindow(plan, window);
        map->show();
        map->raise();
        map->activateWindow();
    });
    window->addAction(open);
    return open;
}

MapWindow* mapWindowOf(const QWidget* window) {
    return window->findChild<MapWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace tarvanel
