#pragma once

#include <set>

class QAbstractItemModel;
class QAbstractItemView;

namespace tarvanel {

// The rows of a view's selection, or its current row when nothing is selected.
std::set<int> selectedRows(const QAbstractItemView& view);

// Puts rows of a model on the clipboard as a spreadsheet takes them: the
// cells as shown, a tab between cells and a line break between rows.
void copyRows(const QAbstractItemModel& model, const std::set<int>& rows);

} // namespace tarvanel
