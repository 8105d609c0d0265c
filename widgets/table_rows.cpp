#include "widgets/table_rows.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QStringList>

namespace tarvanel {

std::set<int> selectedRows(const QAbstractItemView& view) {
    std::set<int> rows;
    for (const QModelIndex& index : view.selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty() && view.currentIndex().isValid()) rows.insert(view.currentIndex().row());
    return rows;
}

void copyRows(const QAbstractItemModel& model, const std::set<int>& rows) {
    QStringList lines;
    for (int row : rows) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString();
        lines << cells.join(QLatin1Char('\t'));
    }
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

} // namespace tarvanel
