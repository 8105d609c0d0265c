#include "path/profile_table_model.h"

#include "numbers/number_text.h"
#include "widgets/qt_number_locale.h"
#include "widgets/window_colours.h"

#include <QColor>
#include <QLocale>
#include <QScopedValueRollback>

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

ProfileTableModel::ProfileTableModel(Plan& plan, QObject* parent)
    : QAbstractTableModel(parent)
    , m_plan(plan)
    , m_rows(static_cast<int>(points().size())) {
    m_listening = m_plan.listen([this](const PlanChange& change) { follow(change); });
}

ProfileTableModel::~ProfileTableModel() {
    m_plan.unlisten(m_listening);
}

// Another link made current, a plan opened, the points written from outside:
// the rows are read again (all of them, when their number changed).
void ProfileTableModel::follow(const PlanChange& change) {
    using Kind = PlanChange::Kind;
    if (m_writing) return;
    if (change.kind != Kind::Replaced && change.kind != Kind::CurrentLink &&
        !(change.kind == Kind::LinkChanged && change.id == m_plan.currentLink()))
        return;
    const int rows = static_cast<int>(points().size());
    if (rows != m_rows) {
        beginResetModel();
        m_rows = rows;
        m_figures.clear();
        endResetModel();
    } else if (rows > 0) {
        emit dataChanged(index(0, 0), index(rows - 1, ColumnCount - 1));
    }
}

void ProfileTableModel::write(std::vector<ProfilePointFields> points, bool edited) {
    Link link = m_plan.current();
    link.points = std::move(points);
    // Points edited by hand are no longer the file's.
    const std::string changed = " (αλλαγμένα)";
    const std::string& source = link.pointsSource;
    if (edited && !source.empty() &&
        (source.size() < changed.size() ||
         source.compare(source.size() - changed.size(), changed.size(), changed) != 0))
        link.pointsSource += changed;
    const QScopedValueRollback<bool> writing(m_writing, true);
    m_plan.setLink(link);
}

void ProfileTableModel::setPoints(std::vector<ProfilePointFields> points,
                                  const std::string& source) {
    beginResetModel();
    Link link = m_plan.current();
    link.points = std::move(points);
    link.pointsSource = source;
    {
        const QScopedValueRollback<bool> writing(m_writing, true);
        m_plan.setLink(link);
    }
    m_rows = static_cast<int>(this->points().size());
    m_figures.clear();
    endResetModel();
}

void ProfileTableModel::addPoints(const std::vector<ProfilePointFields>& added) {
    std::vector<ProfilePointFields> all = points();
    all.insert(all.end(), added.begin(), added.end());
    std::stable_sort(all.begin(), all.end(),
                     [](const auto& a, const auto& b) { return orderOf(a) < orderOf(b); });
    beginResetModel();
    write(std::move(all), true);
    m_rows = static_cast<int>(points().size());
    m_figures.clear();
    endResetModel();
}

void ProfileTableModel::showFigures(const std::vector<PointFigures>& figures,
                                    const NumberLocale& locale) {
    if (figures.size() != points().size()) return; // a refresh of rows since changed
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
    return parent.isValid() ? 0 : m_rows;
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
        if (row >= points().size()) return {};
        auto& point = const_cast<ProfilePointFields&>(points()[row]);
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
    std::vector<ProfilePointFields> edited = points();
    std::string* cell = cellOf(edited[static_cast<std::size_t>(index.row())], index.column());
    if (!cell) return false;
    const std::string text = value.toString().toStdString();
    if (*cell == text) return true;
    *cell = text;
    write(std::move(edited), true);
    emit dataChanged(index, index);
    if (index.column() == Distance) putInOrder(index.row());
    return true;
}

// Moves a row whose distance changed to its place among the others.
void ProfileTableModel::putInOrder(int row) {
    const auto r = static_cast<std::size_t>(row);
    std::vector<ProfilePointFields> ordered = points();
    const double km = orderOf(ordered[r]);
    std::size_t place = 0;
    for (std::size_t i = 0; i < ordered.size(); ++i)
        if (i != r && orderOf(ordered[i]) <= km) place = i + 1 - (i > r ? 1 : 0);
    if (place == r) return;
    const int to = static_cast<int>(place > r ? place + 1 : place);
    beginMoveRows({}, row, row, {}, to);
    ProfilePointFields moved = std::move(ordered[r]);
    ordered.erase(ordered.begin() + row);
    ordered.insert(ordered.begin() + static_cast<std::ptrdiff_t>(place), std::move(moved));
    write(std::move(ordered), false);
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
    std::vector<ProfilePointFields> grown = points();
    grown.insert(grown.begin() + row, static_cast<std::size_t>(count), {});
    beginInsertRows(parent, row, row + count - 1);
    write(std::move(grown), true);
    m_rows += count;
    m_figures.clear();
    endInsertRows();
    return true;
}

bool ProfileTableModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount()) return false;
    std::vector<ProfilePointFields> shrunk = points();
    shrunk.erase(shrunk.begin() + row, shrunk.begin() + row + count);
    beginRemoveRows(parent, row, row + count - 1);
    write(std::move(shrunk), true);
    m_rows -= count;
    m_figures.clear();
    endRemoveRows();
    return true;
}

} // namespace tarvanel
