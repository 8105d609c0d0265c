#pragma once

#include "plan/plan.h"
#include "sites/site_rows.h"

#include <QAbstractTableModel>

#include <vector>

namespace tarvanel {

// The plan's sites as a table, a row each in the plan's order, its columns
// those of site_columns.h as typed; below them the rows of the last imports
// and pastes that did not read, which are not in the plan. A row whose texts
// do not make a site is red, its reason its tooltip; once a row below reads
// it becomes a site of the plan. Sites with the same name are marked (their
// name in italics, the other rows named in the tooltip). An edit writes the
// plan; the table follows the plan's other changes.
class SitesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SitesModel(Plan& plan, QObject* parent = nullptr);
    ~SitesModel() override;

    // The settings a new site takes: the current link's end 2 (radio,
    // sensitivity, mast), without name, position or ground.
    Site newSite() const;
    // A new site, named "Τοποθεσία N", at the end of the plan's; its row.
    int addSite();
    // Rows read from a file or a paste: those that read become sites of the
    // plan, the others rows below.
    void addRows(std::vector<SiteRow> rows);
    // Removes the rows; the sites of the current link stay: their names, for
    // the user to be told why.
    QStringList removeSites(std::vector<int> rows);
    int siteCount() const { return m_siteRows; }
    // From now on an edit writes nothing (its window is going, and with it
    // perhaps the main window, whose controls follow the plan).
    void stopWriting() { m_writing = false; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void follow(const PlanChange& change);
    const Site& siteOf(int row) const;
    QString problemOf(int row) const;
    QString sameNameOf(int row) const; // "Ίδιο όνομα με τις γραμμές 2, 5"
    void nameMarksChanged();

    Plan& m_plan;
    int m_listening = 0;
    int m_siteRows = 0; // as the views know them
    bool m_writing = true;
    std::vector<SiteRow> m_unread;
};

} // namespace tarvanel
