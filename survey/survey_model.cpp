#include "survey/survey_model.h"

#include "survey/survey.h"
#include "widgets/qt_number_locale.h"
#include "widgets/window_colours.h"

#include <QLocale>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace tarvanel {

namespace {

constexpr int kColumns = SurveyModel::kSightColumn + 1;
const char* const kSightCaption = "Ορατό";
const char* const kSightToolTip =
    "Από τον χάρτη: αν η άλλη τοποθεσία είναι σε οπτική επαφή με την επιλεγμένη (μόνο οπτική "
    "επαφή, όχι ελεύθερη ζώνη Fresnel)· κενό χωρίς υπολογισμό ορατότητας από αυτήν";

// The fields of a link a survey takes for every pair.
Link settingsOf(Link link) {
    link.id = 0;
    link.ends = {};
    link.distance.clear();
    link.points.clear();
    link.pointsSource.clear();
    link.readings = {};
    return link;
}

std::string groundKey(const Site& from, const Site& to, const std::string& folder) {
    return from.position + '\n' + to.position + '\n' + folder;
}

bool sameLocale(const NumberLocale& a, const NumberLocale& b) {
    return a.decimal == b.decimal && a.minus == b.minus && a.plus == b.plus &&
           a.exponent == b.exponent;
}

} // namespace

SurveyModel::SurveyModel(Plan& plan, QObject* parent)
    : QAbstractTableModel(parent)
    , m_plan(plan)
    , m_runner(new SurveyRunner(this)) {
    connect(m_runner, &SurveyRunner::rowDone, this, &SurveyModel::take);
    connect(m_runner, &SurveyRunner::progress, this, &SurveyModel::progress);
    connect(m_runner, &SurveyRunner::finished, this, &SurveyModel::finished);
    m_listening = m_plan.listen([this](const PlanChange& change) { follow(change); });
    sync();
}

SurveyModel::~SurveyModel() {
    m_plan.unlisten(m_listening);
}

// Changes come in bursts (an import adds many sites): they are taken together
// once the burst is over.
void SurveyModel::follow(const PlanChange&) {
    if (std::exchange(m_syncPending, true)) return;
    QTimer::singleShot(0, this, [this] {
        m_syncPending = false;
        sync();
    });
}

SurveyModel::Entry* SurveyModel::entryOf(SiteId site) {
    const auto found =
        std::ranges::find(m_entries, site, [](const Entry& e) { return e.given.id; });
    return found == m_entries.end() ? nullptr : &*found;
}

void SurveyModel::sync() {
    const NumberLocale locale = numberLocaleFrom(QLocale());
    const std::vector<SiteId> sites = surveyedSites(m_plan, locale);
    const Site* from = m_plan.site(m_plan.surveySite());
    // Every row again: another site chosen or it edited (not only given the
    // files' ground by a row made current), other settings, folder or locale.
    const bool all = !from || (*from != m_from && *from != m_fromFilled) ||
                     settingsOf(m_plan.current()) != m_settings ||
                     m_plan.surveyFolder() != m_folder || !sameLocale(locale, m_locale);
    std::vector<SiteId> kept;
    for (const Entry& entry : m_entries)
        kept.push_back(entry.given.id);
    // Whether a row waits that the survey running, if any, does not compute.
    bool anew = all || kept != sites;
    if (kept != sites) {
        beginResetModel();
        std::vector<Entry> entries;
        for (SiteId id : sites) {
            Entry* old = entryOf(id);
            entries.push_back(old ? std::move(*old) : Entry{*m_plan.site(id), {}, {}, {}});
        }
        m_entries = std::move(entries);
        endResetModel();
    }
    if (from) m_from = *from;
    m_settings = settingsOf(m_plan.current());
    m_folder = m_plan.surveyFolder();
    m_locale = locale;
    for (std::size_t row = 0; row < m_entries.size(); ++row) {
        Entry& entry = m_entries[row];
        const Site& now = *m_plan.site(entry.given.id);
        // The site as given, or as its row made current wrote it back.
        const bool same = now == entry.given || (entry.result && now == entry.result->pair.to);
        if (!all && same) continue;
        anew = true;
        entry.given = now;
        if (!entry.result) continue;
        entry.result.reset();
        const int r = static_cast<int>(row);
        emit dataChanged(index(r, 0), index(r, kColumns - 1));
    }
    if (anew) survey();
}

// Computes the rows that wait, over the ground already read for them.
void SurveyModel::survey() {
    const Site* from = m_plan.site(m_plan.surveySite());
    SurveyJob job{m_settings, from ? *from : Site{}, {}, m_folder, m_locale};
    for (Entry& entry : m_entries) {
        if (entry.result) continue;
        const std::string key = groundKey(job.from, entry.given, m_folder);
        if (entry.groundKey != key) entry.ground.reset();
        job.tasks.push_back({entry.given, entry.ground});
    }
    if (job.tasks.empty()) {
        if (m_runner->running()) m_runner->cancel();
        return;
    }
    m_runner->run(std::move(job));
}

void SurveyModel::take(const SurveyResult& result) {
    Entry* entry = entryOf(result.row.site);
    if (!entry) return;
    entry->result = result;
    entry->ground = result.ground;
    entry->groundKey = groundKey(m_from, entry->given, m_folder);
    m_fromFilled = result.pair.from;
    const int row = static_cast<int>(entry - m_entries.data());
    emit dataChanged(index(row, 0), index(row, kColumns - 1));
}

void SurveyModel::cancel() {
    m_runner->cancel();
}

void SurveyModel::resume() {
    survey();
}

void SurveyModel::setSights(SiteId from, std::map<SiteId, QString> words) {
    m_sightsFrom = from;
    m_sights = std::move(words);
    if (rowCount() > 0)
        emit dataChanged(index(0, kSightColumn), index(rowCount() - 1, kSightColumn));
}

int SurveyModel::waiting() const {
    return static_cast<int>(
        std::ranges::count_if(m_entries, [](const Entry& e) { return !e.result; }));
}

SiteId SurveyModel::siteAt(int row) const {
    return row >= 0 && row < rowCount() ? m_entries[static_cast<std::size_t>(row)].given.id : 0;
}

const SurveyRow* SurveyModel::rowAt(int row) const {
    if (row < 0 || row >= rowCount()) return nullptr;
    const auto& result = m_entries[static_cast<std::size_t>(row)].result;
    return result ? &result->row : nullptr;
}

void SurveyModel::makeCurrent(int row) {
    if (!rowAt(row)) return;
    const Entry& entry = m_entries[static_cast<std::size_t>(row)];
    const Site* from = m_plan.site(m_plan.surveySite());
    const Site* to = m_plan.site(entry.given.id);
    if (!from || !to) return;
    const SurveyPair pair =
        surveyPair(m_plan.current(), *from, *to, entry.ground, m_folder, m_locale);
    Link link = pair.link;
    for (const Link& other : m_plan.links()) {
        if (other.ends == link.ends) {
            link.id = other.id;
            link.readings = other.readings;
        } else if (other.ends[0] == link.ends[1] && other.ends[1] == link.ends[0]) {
            link.id = other.id;
            link.readings = {other.readings[1], other.readings[0]};
        }
    }
    if (link.id)
        m_plan.setLink(link);
    else
        link.id = m_plan.addLink(link);
    m_plan.setSite(pair.from);
    m_plan.setSite(pair.to);
    m_plan.setCurrentLink(link.id);
}

int SurveyModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int SurveyModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant SurveyModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Entry& entry = m_entries[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    if (index.column() == kSightColumn) return sightData(entry.given.id, role);
    const SurveyRow* row = entry.result ? &entry.result->row : nullptr;
    switch (role) {
    case Qt::DisplayRole:
        if (column == SurveyName) return QString::fromStdString(entry.given.name);
        return row ? QString::fromStdString(row->cells[column]) : QString();
    case Qt::ForegroundRole:
        if (!row || row->tones[column] == Tone::Plain) return {};
        return row->tones[column] == Tone::Good ? kResultGreen : kWarningRed;
    case Qt::TextAlignmentRole:
        return column == SurveyName || column == SurveyGround || column == SurveyBestRate
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::AccessibleDescriptionRole:
        return QString::fromUtf8(surveyColumns()[column].caption) +
               (row ? QString() : QStringLiteral(", υπολογίζεται"));
    case SortRole:
        if (column == SurveyName || column == SurveyGround) return data(index, Qt::DisplayRole);
        if (row && row->keys[column]) return *row->keys[column];
        return -std::numeric_limits<double>::infinity();
    case SiteIdRole:
        return entry.given.id;
    case MarginRole:
        if (!row || !row->marginThere || !row->marginHere) return {};
        return std::min(*row->marginThere, *row->marginHere);
    default:
        return {};
    }
}

// The "Ορατό" column: the viewshed's word, only when it was worked out from
// the survey's own site.
QVariant SurveyModel::sightData(SiteId site, int role) const {
    const auto word = [&] {
        const auto found = m_sights.find(site);
        return m_sightsFrom && m_sightsFrom == m_plan.surveySite() && found != m_sights.end()
                   ? found->second
                   : QString();
    };
    switch (role) {
    case Qt::DisplayRole:
    case SortRole:
        return word();
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::AccessibleDescriptionRole:
        return QString::fromUtf8(kSightCaption);
    case SiteIdRole:
        return site;
    default:
        return {};
    }
}

QVariant SurveyModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section == kSightColumn && (role == Qt::DisplayRole || role == Qt::ToolTipRole))
        return QString::fromUtf8(role == Qt::DisplayRole ? kSightCaption : kSightToolTip);
    if (section < 0 || section >= kColumns - 1) return {};
    const SurveyColumnText& column = surveyColumns()[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return QString::fromUtf8(column.caption);
    if (role == Qt::ToolTipRole) return QString::fromUtf8(column.toolTip);
    return {};
}

} // namespace tarvanel
