#include "app/results_in_reading_order.h"

#include "widgets/result_label.h"

#include <QWidget>

#include <algorithm>
#include <tuple>

namespace tarvanel {

QList<QLabel*> shownResults(const QWidget& window) {
    QList<QLabel*> shown;
    for (ResultLabel* label : window.findChildren<ResultLabel*>())
        if (label->isVisible()) shown << label;
    return shown;
}

QList<QLabel*> inReadingOrder(QList<QLabel*> labels) {
    const auto place = [](const QLabel* label) {
        const QWidget* part = label->parentWidget();
        const bool besideInputs = label->x() < part->width() / 2;
        // The window before the panel that folds out below it.
        return std::tuple(part->isWindow() ? 0 : 1, besideInputs, label->y(), label->x());
    };
    std::stable_sort(labels.begin(), labels.end(),
                     [&](const QLabel* a, const QLabel* b) { return place(a) < place(b); });
    return labels;
}

} // namespace tarvanel
