#pragma once

#include <QTableView>

namespace tarvanel {

class ProfileTableModel;

// The ground profile's table, worked from the keyboard: Insert adds a row
// after the current one and starts editing it, Delete removes the selected
// rows, Ctrl+V adds the rows of a block pasted from a spreadsheet (tab,
// semicolon or comma between columns; the locale's decimal comma works) and
// Ctrl+C copies the selected rows, a tab between columns. As in a
// spreadsheet, a typed key replaces a cell's value (also in the cell Tab moves
// to) and F2 edits it, the cursor after the value; the refresh that rewrites a
// row leaves the cell being typed into alone.
class ProfileTableView : public QTableView {
    Q_OBJECT
public:
    explicit ProfileTableView(QWidget* parent = nullptr);
    using QTableView::edit;

    ProfileTableModel* profile() const;
    // Reads a pasted or imported block into rows, as typed.
    void addText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    void removeSelectedRows();
    void copySelectedRows() const;
};

} // namespace tarvanel
