#include "path/rate_table_model.h"

#include "widgets/window_colours.h"

#include <QColor>
#include <QFont>

namespace tarvanel {

RateTableModel::RateTableModel(Plan& plan, QObject* parent)
    : QAbstractTableModel(parent)
    , m_plan(plan) {}

void RateTableModel::showFigures(const std::vector<RateRowTexts>& rows) {
    const bool sameShape = rows.size() == m_rows.size();
    if (!sameShape) beginResetModel();
    m_rows = rows;
    if (!sameShape)
        endResetModel();
    else if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

const std::string* RateTableModel::overrideOf(int row, int column) const {
    const auto r = static_cast<std::size_t>(row);
    if (r >= overrides().size()) return nullptr;
    if (column == Sensitivity) return &overrides()[r].sensitivity;
    if (column == Power) return &overrides()[r].power;
    return nullptr;
}

int RateTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RateTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RateTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const RateRowTexts& row = m_rows[static_cast<std::size_t>(index.row())];
    const std::string* typed = overrideOf(index.row(), index.column());
    const bool overwritten = typed && !typed->empty();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (overwritten) return QString::fromStdString(*typed);
        switch (index.column()) {
        case Rate:
            return QString::fromStdString(row.name);
        case Megabits:
            return QString::fromStdString(row.megabits);
        case Sensitivity:
            return QString::fromStdString(row.sensitivity);
        case Distance:
            return QString::fromStdString(row.distance);
        case Margin:
            return QString::fromStdString(row.margin);
        default:
            return QString();
        }
    case Qt::ForegroundRole:
        if (overwritten && row.unreadable) return kWarningRed;
        if (index.column() == Margin && !row.margin.empty())
            return row.marginMet ? kResultGreen : kWarningRed;
        return QColor(overwritten ? Qt::black : Qt::darkGray);
    case Qt::FontRole:
        if (overwritten) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant((index.column() == Rate ? Qt::AlignLeft : Qt::AlignRight) |
                        Qt::AlignVCenter);
    default:
        return {};
    }
}

bool RateTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole ||
        (index.column() != Sensitivity && index.column() != Power))
        return false;
    Link link = m_plan.current();
    std::vector<RateOverride>& overrides = link.rateOverrides;
    overrides.resize(std::max(overrides.size(), static_cast<std::size_t>(rowCount())));
    RateOverride& typed = overrides[static_cast<std::size_t>(index.row())];
    std::string text = value.toString().trimmed().toStdString();
    // Writing back the rate's own figure overwrites nothing.
    const RateRowTexts& row = m_rows[static_cast<std::size_t>(index.row())];
    if (index.column() == Sensitivity && text == row.sensitivity) text.clear();
    (index.column() == Sensitivity ? typed.sensitivity : typed.power) = text;
    while (!overrides.empty() && overrides.back() == RateOverride{})
        overrides.pop_back();
    // The refresh that follows shows the row with its new figures.
    m_plan.setLink(link);
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags RateTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == Sensitivity || index.column() == Power) flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant RateTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    static const char* const kHeaders[][2] = {
        {"ρυθμός", "Ο ρυθμός δεδομένων"},
        {"Mb/s", "Μεγαbit ανά δευτερόλεπτο"},
        {"ευαισθ.", "Η ευαισθησία σε dBm στον ρυθμό: από τη δική σας και το βήμα του προτύπου· "
                    "γράψτε του φυλλαδίου για να την αλλάξετε"},
        {"ισχύς", "Χαμηλότερη ισχύς εκπομπής σε dBm στον ρυθμό, όπως στο φυλλάδιο (κενό: η ισχύς "
                  "των άκρων)"},
        {"μέγ. km", "Η μέγιστη απόσταση με το περιθώριο εξασθένισης, στην ασθενέστερη "
                    "κατεύθυνση"},
        {"περιθ. dB",
         "Το περιθώριο στην απόσταση ζεύξης, στην ασθενέστερη κατεύθυνση, μείον την απώλεια "
         "της διαδρομής"},
    };
    if (section < 0 || section >= ColumnCount) return {};
    return QString::fromUtf8(kHeaders[section][role == Qt::ToolTipRole ? 1 : 0]);
}

} // namespace tarvanel
