#include "path/profile_table_model.h"

#include "engine/number_text.h"
#include "widgets/qt_number_locale.h"
#include "widgets/window_colours.h"

#include <QColor>
#include <QLocale>

#include <algorithm>
#include <limits>
#include <optional>

namespace tarvanel {

namespace {

std::string* cellOf(ProfilePointFields& point, int column) {
    switch (column) {
    case ProfileTableModel::Distance:
        return &point.distanceKm;
    case ProfileTableModel::Ground:
        return &point.groundM;
    case ProfileTableModel::Clutter:
        return &point.clutterM;
    default:
        return nullptr;
    }
}

QString reasonOf(PointState state) {
    switch (state) {
    case PointState::NotNumbers:
        return QStringLiteral("Δεν διαβάζεται ως αριθμοί: το σημείο δεν μετρά");
    case PointState::OutsideEnds:
        return QStringLiteral("Στο άκρο ή πέρα από αυτό: το σημείο δεν μετρά");
    case PointState::Used:
    case PointState::NoPath:
        break;
    }
    return {};
}

// The distance a row is kept in order by; a row without one goes last.
double orderOf(const ProfilePointFields& point) {
    const Outcome<double> km = toDouble(point.distanceKm, numberLocaleFrom(QLocale()));
    return km.ok() ? km.value : std::numeric_limits<double>::infinity();
}

} // namespace

ProfileTableModel::ProfileTableModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void ProfileTableModel::setPoints(std::vector<ProfilePointFields> points) {
    beginResetModel();
    m_points = std::move(points);
    m_figures.clear();
    endResetModel();
    emit pointsChanged();
}

void ProfileTableModel::addPoints(const std::vector<ProfilePointFields>& points) {
    std::vector<ProfilePointFields> all = m_points;
    all.insert(all.end(), points.begin(), points.end());
    std::stable_sort(all.begin(), all.end(),
                     [](const auto& a, const auto& b) { return orderOf(a) < orderOf(b); });
    setPoints(std::move(all));
    emit pointsEdited();
}

void ProfileTableModel::showFigures(const std::vector<PointFigures>& figures,
                                    const NumberLocale& locale) {
    if (figures.size() != m_points.size()) return; // a refresh of rows since changed
    const bool sameLocale = locale.decimal == m_locale.decimal && locale.minus == m_locale.minus;
    std::vector<PointFigures> old = std::move(m_figures);
    m_figures = figures;
    m_locale = locale;
    for (std::size_t row = 0; row < figures.size(); ++row) {
        const bool same = sameLocale && row < old.size() && old[row] == figures[row];
        if (!same)
            emit dataChanged(index(static_cast<int>(row), 0),
                             index(static_cast<int>(row), ColumnCount - 1));
    }
}

int ProfileTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_points.size());
}

int ProfileTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProfileTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    const std::optional<PointTexts> figures =
        row < m_figures.size() ? std::optional(pointTexts(m_figures[row], m_locale)) : std::nullopt;
    const PointState state = figures ? figures->state : PointState::NoPath;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        auto& point = const_cast<ProfilePointFields&>(m_points[row]);
        if (const std::string* cell = cellOf(point, index.column()))
            return QString::fromStdString(*cell);
        if (!figures) return {};
        return QString::fromStdString(index.column() == Clearance ? figures->clearance
                                                                  : figures->share);
    }
    case Qt::ForegroundRole:
        if (!reasonOf(state).isEmpty()) return kWarningRed;
        if (index.column() == Share && figures && figures->verdict != Verdict::Unknown)
            return figures->verdict == Verdict::Clear ? kResultGreen : kWarningRed;
        return QColor(Qt::black);
    case Qt::ToolTipRole:
        return reasonOf(state);
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool ProfileTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    std::string* cell = cellOf(m_points[static_cast<std::size_t>(index.row())], index.column());
    if (!cell) return false;
    const std::string text = value.toString().toStdString();
    if (*cell == text) return true;
    *cell = text;
    emit dataChanged(index, index);
    if (index.column() == Distance) putInOrder(index.row());
    emit pointsChanged();
    emit pointsEdited();
    return true;
}

// Moves a row whose distance changed to its place among the others.
void ProfileTableModel::putInOrder(int row) {
    const auto r = static_cast<std::size_t>(row);
    const double km = orderOf(m_points[r]);
    std::size_t place = 0;
    for (std::size_t i = 0; i < m_points.size(); ++i)
        if (i != r && orderOf(m_points[i]) <= km) place = i + 1 - (i > r ? 1 : 0);
    if (place == r) return;
    const int to = static_cast<int>(place > r ? place + 1 : place);
    beginMoveRows({}, row, row, {}, to);
    ProfilePointFields moved = std::move(m_points[r]);
    m_points.erase(m_points.begin() + row);
    m_points.insert(m_points.begin() + static_cast<std::ptrdiff_t>(place), std::move(moved));
    if (r < m_figures.size()) m_figures.clear();
    endMoveRows();
}

Qt::ItemFlags ProfileTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() <= Clutter) flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant ProfileTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    static const char* const kHeaders[][2] = {
        {"km", "Απόσταση από το άκρο 1, σε km"},
        {"έδαφος m", "Υψόμετρο του εδάφους, σε m πάνω από τη θάλασσα"},
        {"πάνω m", "Ό,τι στέκεται στο έδαφος (δέντρα, κτίρια), σε m πάνω του· κενό: 0"},
        {"διάκενο m", "Οπτική ευθεία μείον (έδαφος + ό,τι στέκεται + καμπυλότητα γης)"},
        {"% F1", "Το διάκενο ως ποσοστό της ακτίνας της πρώτης ζώνης Fresnel"},
    };
    if (section < 0 || section >= ColumnCount) return {};
    return QString::fromUtf8(kHeaders[section][role == Qt::ToolTipRole ? 1 : 0]);
}

bool ProfileTableModel::insertRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || row > rowCount() || count < 1) return false;
    beginInsertRows(parent, row, row + count - 1);
    m_points.insert(m_points.begin() + row, static_cast<std::size_t>(count), {});
    m_figures.clear();
    endInsertRows();
    emit pointsChanged();
    emit pointsEdited();
    return true;
}

bool ProfileTableModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount()) return false;
    beginRemoveRows(parent, row, row + count - 1);
    m_points.erase(m_points.begin() + row, m_points.begin() + row + count);
    m_figures.clear();
    endRemoveRows();
    emit pointsChanged();
    emit pointsEdited();
    return true;
}

} // namespace tarvanel
