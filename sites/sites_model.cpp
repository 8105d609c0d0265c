#include "sites/sites_model.h"

#include "sites/site_columns.h"
#include "widgets/qt_number_locale.h"
#include "widgets/window_colours.h"

#include <QFont>
#include <QLocale>

#include <algorithm>

namespace tarvanel {

namespace {

constexpr int kColumns = static_cast<int>(SiteColumnCount);

NumberLocale userLocale() {
    return numberLocaleFrom(QLocale());
}

} // namespace

SitesModel::SitesModel(Plan& plan, QObject* parent)
    : QAbstractTableModel(parent)
    , m_plan(plan)
    , m_siteRows(static_cast<int>(plan.sites().size())) {
    m_listening = m_plan.listen([this](const PlanChange& change) { follow(change); });
}

SitesModel::~SitesModel() {
    m_plan.unlisten(m_listening);
}

// The plan tells after it changed: the views learn of a row as it stands.
void SitesModel::follow(const PlanChange& change) {
    using Kind = PlanChange::Kind;
    const int index = static_cast<int>(change.index);
    switch (change.kind) {
    case Kind::Replaced: // another plan: the rows that did not read go with the old one
        beginResetModel();
        m_unread.clear();
        m_siteRows = static_cast<int>(m_plan.sites().size());
        endResetModel();
        return;
    case Kind::SiteAdded:
        beginInsertRows({}, index, index);
        ++m_siteRows;
        endInsertRows();
        break;
    case Kind::SiteRemoved:
        beginRemoveRows({}, index, index);
        --m_siteRows;
        endRemoveRows();
        break;
    case Kind::SiteChanged:
        for (int row = 0; row < m_siteRows; ++row)
            if (siteOf(row).id == change.id)
                emit dataChanged(this->index(row, 0), this->index(row, kColumns - 1));
        break;
    default:
        return;
    }
    nameMarksChanged();
}

void SitesModel::nameMarksChanged() {
    if (rowCount() > 0) emit dataChanged(index(0, NameColumn), index(rowCount() - 1, NameColumn));
}

const Site& SitesModel::siteOf(int row) const {
    return row < m_siteRows ? m_plan.sites()[static_cast<std::size_t>(row)]
                            : m_unread[static_cast<std::size_t>(row - m_siteRows)].site;
}

QString SitesModel::problemOf(int row) const {
    if (row >= m_siteRows)
        return QString::fromStdString(m_unread[static_cast<std::size_t>(row - m_siteRows)].problem);
    return QString::fromStdString(siteProblem(siteOf(row), userLocale()));
}

QString SitesModel::sameNameOf(int row) const {
    const std::string& name = siteOf(row).name;
    QStringList rows;
    for (int other = 0; other < rowCount(); ++other)
        if (other != row && !name.empty() && siteOf(other).name == name)
            rows << QString::number(other + 1);
    if (rows.isEmpty()) return {};
    return QStringLiteral("Ίδιο όνομα με τη γραμμή %1").arg(rows.join(QStringLiteral(", ")));
}

Site SitesModel::newSite() const {
    Site site = *m_plan.site(m_plan.current().ends[1]);
    site.id = 0;
    site.name.clear();
    site.position.clear();
    site.ground.clear();
    return site;
}

int SitesModel::addSite() {
    Site site = newSite();
    site.name = "Τοποθεσία " + std::to_string(m_plan.sites().size() + 1);
    m_plan.addSite(site);
    return m_siteRows - 1;
}

void SitesModel::addRows(std::vector<SiteRow> rows) {
    std::vector<SiteRow> unread;
    for (SiteRow& row : rows) {
        if (row.problem.empty())
            m_plan.addSite(row.site);
        else
            unread.push_back(std::move(row));
    }
    if (unread.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(unread.size()) - 1);
    std::ranges::move(unread, std::back_inserter(m_unread));
    endInsertRows();
    nameMarksChanged();
}

QStringList SitesModel::removeSites(std::vector<int> rows) {
    std::ranges::sort(rows, std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QStringList kept;
    for (int row : rows) {
        if (row < 0 || row >= rowCount()) continue;
        if (row >= m_siteRows) {
            beginRemoveRows({}, row, row);
            m_unread.erase(m_unread.begin() + (row - m_siteRows));
            endRemoveRows();
        } else if (!m_plan.removeSite(siteOf(row).id)) {
            kept.prepend(QString::fromStdString(siteOf(row).name));
        }
    }
    nameMarksChanged();
    return kept;
}

int SitesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_siteRows + static_cast<int>(m_unread.size());
}

int SitesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant SitesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row();
    const auto column = static_cast<std::size_t>(index.column());
    const bool named = column == NameColumn;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(cellText(siteOf(row), column));
    case Qt::ForegroundRole:
        return problemOf(row).isEmpty() ? QVariant() : QVariant(kWarningRed);
    case Qt::FontRole: {
        if (!named || sameNameOf(row).isEmpty()) return {};
        QFont font;
        font.setItalic(true);
        return font;
    }
    case Qt::ToolTipRole: {
        QStringList notes{problemOf(row)};
        if (named) notes << sameNameOf(row);
        notes.removeAll(QString());
        return notes.isEmpty() ? QString::fromUtf8(siteColumns()[column].toolTip)
                               : notes.join(QLatin1Char('\n'));
    }
    case Qt::AccessibleDescriptionRole: {
        QStringList notes{QString::fromUtf8(siteColumns()[column].caption), problemOf(row)};
        if (named) notes << sameNameOf(row);
        if (row >= m_siteRows) notes << QStringLiteral("δεν είναι στο σχέδιο");
        notes.removeAll(QString());
        return notes.join(QStringLiteral(", "));
    }
    default:
        return {};
    }
}

bool SitesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !m_writing) return false;
    const int row = index.row();
    Site site = siteOf(row);
    if (!setCell(site, static_cast<std::size_t>(index.column()), value.toString().toStdString()))
        return false;
    if (row < m_siteRows) {
        m_plan.setSite(site);
        return true;
    }
    SiteRow& unread = m_unread[static_cast<std::size_t>(row - m_siteRows)];
    unread.site = site;
    unread.problem = siteProblem(site, userLocale());
    emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(kColumns - 1));
    if (!unread.problem.empty()) return true;
    // It reads now: it becomes a site of the plan.
    beginRemoveRows({}, row, row);
    m_unread.erase(m_unread.begin() + (row - m_siteRows));
    endRemoveRows();
    m_plan.addSite(site);
    return true;
}

Qt::ItemFlags SitesModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant SitesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section < 0 || section >= kColumns) return {};
    const SiteColumn& column = siteColumns()[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return QString::fromUtf8(column.caption);
    if (role == Qt::ToolTipRole) return QString::fromUtf8(column.toolTip);
    return {};
}

} // namespace tarvanel
