#include "path/profile_table_view.h"

#include "engine/profile_rows.h"
#include "path/profile_table_model.h"
#include "widgets/qt_number_locale.h"
#include "widgets/table_rows.h"
#include "widgets/window_fonts.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QStyledItemDelegate>

#include <set>

namespace tarvanel {

namespace {

// Writes a cell's text into its editor once, as it opens: Qt writes it again
// at every change of the row, over what the user is typing.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (editor->property("written").toBool()) return;
        QStyledItemDelegate::setEditorData(editor, index);
        editor->setProperty("written", true);
    }
};

} // namespace

ProfileTableView::ProfileTableView(QWidget* parent)
    : QTableView(parent) {
    setItemDelegate(new CellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false); // Tab leaves the table, as everywhere in the window
    setFont(windowFont(kFont8_25pt));
    horizontalHeader()->setFont(windowFont(kFont8_25pt, false, true));
    verticalHeader()->setFont(windowFont(kFont8_25pt, false, true));
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

ProfileTableModel* ProfileTableView::profile() const {
    return static_cast<ProfileTableModel*>(model());
}

void ProfileTableView::addText(const QString& text) {
    std::vector<ProfilePointFields> points;
    for (const ProfileRow& row : readProfileRows(text.toStdString(), numberLocaleFrom(QLocale()))) {
        ProfilePointFields point;
        const auto cell = [&row](std::size_t i) {
            return i < row.cells.size() ? row.cells[i] : std::string();
        };
        point = {cell(0), cell(1), cell(2)};
        points.push_back(std::move(point));
    }
    if (!points.empty()) profile()->addPoints(points);
}

void ProfileTableView::keyPressEvent(QKeyEvent* event) {
    if (state() != QAbstractItemView::EditingState) {
        if (event->matches(QKeySequence::Paste)) {
            addText(QApplication::clipboard()->text());
            return;
        }
        if (event->matches(QKeySequence::Copy)) {
            copySelectedRows();
            return;
        }
        if (event->key() == Qt::Key_Insert) {
            const int row =
                currentIndex().isValid() ? currentIndex().row() + 1 : model()->rowCount();
            model()->insertRow(row);
            const QModelIndex first = model()->index(row, 0);
            setCurrentIndex(first);
            edit(first);
            return;
        }
        if (event->key() == Qt::Key_Delete) {
            removeSelectedRows();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

bool ProfileTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!QTableView::edit(index, trigger, event)) return false;
    // Qt's editor opens with the value selected, so that a key replaces it;
    // F2 keeps it to mend it.
    auto* editor = qobject_cast<QLineEdit*>(viewport()->focusWidget());
    if (editor && trigger == EditKeyPressed) editor->deselect();
    return true;
}

void ProfileTableView::removeSelectedRows() {
    const std::set<int> rows = selectedRows(*this);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        model()->removeRow(*row);
}

void ProfileTableView::copySelectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.insert(index.row());
    copyRows(*model(), rows);
}

} // namespace tarvanel
