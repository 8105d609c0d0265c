#pragma once

#include "engine/data_rates.h"
#include "texts/link_texts.h"

#include "plan/plan.h"

#include <QAbstractTableModel>

#include <vector>

namespace tarvanel {

// The rate table: a row a rate of the chosen standard, slowest first: its
// name and Mb/s, the sensitivity in force and the transmit power (both may be
// overwritten with a datasheet's figure, under the number rule; empty gives
// the rate's own back), the greatest distance with the fade margin and the
// margin at the link distance the weaker way, green while it keeps the fade
// margin. An overwritten figure that does not read shows red. The figures
// typed are the plan's current link's: an edit here writes the plan.
class RateTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Rate, Megabits, Sensitivity, Power, Distance, Margin, ColumnCount };

    explicit RateTableModel(Plan& plan, QObject* parent = nullptr);

    const std::vector<RateOverride>& overrides() const { return m_plan.current().rateOverrides; }
    // The figures of the last refresh.
    void showFigures(const std::vector<RateRowTexts>& rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const std::string* overrideOf(int row, int column) const;

    Plan& m_plan;
    std::vector<RateRowTexts> m_rows;
};

} // namespace tarvanel
