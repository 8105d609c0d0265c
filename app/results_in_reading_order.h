#pragma once

#include <QList>

class QLabel;
class QWidget;

namespace tarvanel {

// The result labels of `window` that are shown (its own, and the path panel's
// while it is open).
QList<QLabel*> shownResults(const QWidget& window);

// `labels` as the eye reads them: part by part (the window, then the panel
// below it), in each the column of results at the right top to bottom, then
// the results beside the inputs (the cable losses) top to bottom.
QList<QLabel*> inReadingOrder(QList<QLabel*> labels);

} // namespace tarvanel
