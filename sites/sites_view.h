#pragma once

#include <QTableView>

namespace tarvanel {

class SitesModel;

// The sites' table, worked from the keyboard as the ground profile's is:
// Insert adds a site and starts editing its name, Delete removes the selected
// rows (the sites of the current link stay, and `told` says why), F2 or
// typing edits a cell, Ctrl+C copies the selected rows (a tab between cells,
// in the table's order) and Ctrl+V adds the rows of a block pasted from a
// spreadsheet (sites/site_rows.h). Tab leaves the table.
class SitesView : public QTableView {
    Q_OBJECT
public:
    explicit SitesView(SitesModel* model, QWidget* parent = nullptr);

    SitesModel* sites() const;
    void addSite();
    void removeSelectedRows();
    void addText(const QString& text);

signals:
    void told(const QString& message);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void copySelectedRows() const;
};

} // namespace tarvanel
