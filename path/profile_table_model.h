#pragma once

#include "engine/path_figures.h"
#include "plan/plan.h"
#include "texts/link_texts.h"

#include <QAbstractTableModel>

#include <vector>

namespace tarvanel {

// The ground profile as a table: a row a point, its distance from end 1, its
// ground and what stands on it as the user typed or pasted them (the number
// rule reads them), then what the point leaves of its Fresnel zone, read only.
// A row whose numbers do not read, or that stands at or beyond an end, is
// shown in red with the reason, and counts nowhere. A row whose distance is
// edited moves to its place, so the rows stay in order of distance. The rows
// are the points of the plan's current link: an edit here writes the plan, and
// the table follows the plan's other changes.
class ProfileTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Distance, Ground, Clutter, Clearance, Share, ColumnCount };

    explicit ProfileTableModel(Plan& plan, QObject* parent = nullptr);
    ~ProfileTableModel() override;

    const std::vector<ProfilePointFields>& points() const { return m_plan.current().points; }
    // Replaces every row, and says where they came from (a file read).
    void setPoints(std::vector<ProfilePointFields> points, const std::string& source);
    // Adds rows and puts all in order of distance.
    void addPoints(const std::vector<ProfilePointFields>& points);
    // The figures of the last refresh, a row each; rows are written as they show.
    void showFigures(const std::vector<PointFigures>& figures, const NumberLocale& locale);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

private:
    // Writes the current link's points (and, with the user's edits, marks
    // points read from a file as changed); the table's own change is not
    // followed again.
    void write(std::vector<ProfilePointFields> points, bool edited);
    void follow(const PlanChange& change);
    void putInOrder(int row);

    Plan& m_plan;
    int m_listening = 0;
    bool m_writing = false;
    int m_rows = 0; // as the views know them
    std::vector<PointFigures> m_figures;
    NumberLocale m_locale;
};

} // namespace tarvanel
