#pragma once

#include "engine/link_texts.h"
#include "engine/path_figures.h"

#include <QAbstractTableModel>

#include <vector>

namespace tarvanel {

// The ground profile as a table: a row a point, its distance from end 1, its
// ground and what stands on it as the user typed or pasted them (the number
// rule reads them), then what the point leaves of its Fresnel zone, read only.
// A row whose numbers do not read, or that stands at or beyond an end, is
// shown in red with the reason, and counts nowhere. A row whose distance is
// edited moves to its place, so the rows stay in order of distance.
class ProfileTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Distance, Ground, Clutter, Clearance, Share, ColumnCount };

    explicit ProfileTableModel(QObject* parent = nullptr);

    const std::vector<ProfilePointFields>& points() const { return m_points; }
    // Replaces every row (a file read, a plan opened).
    void setPoints(std::vector<ProfilePointFields> points);
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

signals:
    // Any change of a typed text, a row added or removed.
    void pointsChanged();
    // The same when the user made it (typed, pasted, inserted, deleted), not a file.
    void pointsEdited();

private:
    void putInOrder(int row);

    std::vector<ProfilePointFields> m_points;
    std::vector<PointFigures> m_figures;
    NumberLocale m_locale;
};

} // namespace tarvanel
