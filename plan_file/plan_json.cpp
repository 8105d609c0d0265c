#include "plan_file/plan_json.h"

#include "plan_file/plan_fields.h"
#include "plan_file/plan_values.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace tarvanel {

namespace {

const QString kFormatKey = QStringLiteral("format");
const QString kVersionKey = QStringLiteral("version");
const QString kSitesKey = QStringLiteral("sites");
const QString kLinksKey = QStringLiteral("links");
const QString kEndsKey = QStringLiteral("ends");
const QString kSiteKey = QStringLiteral("site");
const QString kCurrentKey = QStringLiteral("current_link");
const QString kMapKey = QStringLiteral("map");
const QString kSurveySiteKey = QStringLiteral("survey_site");
const QString kSurveyFolderKey = QStringLiteral("survey_folder");

// Whether `value` is a whole number from `least` to `most`.
bool isWholeNumber(const QJsonValue& value, double least, double most) {
    const double number = value.toDouble(-1.0);
    return value.isDouble() && number >= least && number <= most && number == std::floor(number);
}

// A whole number from `least` to `most` (both within an int's range), or nothing.
std::optional<int> wholeNumber(const QJsonValue& value, double least, double most) {
    if (!isWholeNumber(value, least, most)) return std::nullopt;
    return static_cast<int>(value.toDouble());
}

// The version, or a problem: missing or not a whole number from 1 on is a
// wrong value, a later one than this program reads a newer plan.
std::optional<PlanProblem> versionProblem(const QJsonValue& version) {
    if (!isWholeNumber(version, 1.0, 1e300))
        return PlanProblem{PlanProblemKind::WrongValue, kVersionKey,
                           QStringLiteral("ακέραιος αριθμός από 1 και πάνω")};
    if (version.toDouble() > kPlanVersion)
        return PlanProblem{
            PlanProblemKind::NewerVersion, QString::number(version.toDouble(), 'g', 17), {}};
    return std::nullopt;
}

template <class Record> QJsonObject objectOf(std::span<const PlanField<Record>> fields, Record r) {
    QJsonObject object;
    for (const PlanField<Record>& field : fields)
        std::visit(
            [&](auto member) { object.insert(QLatin1String(field.key), toPlanValue(member(r))); },
            field.member);
    return object;
}

// Reads the fields `object` holds into `record`; a problem names the key
// after `place`.
template <class Record>
std::optional<PlanProblem> readObject(std::span<const PlanField<Record>> fields,
                                      const QJsonObject& object, Record& record,
                                      const QString& place) {
    for (const PlanField<Record>& field : fields) {
        const QString key = QLatin1String(field.key);
        const auto found = object.find(key);
        if (found == object.end()) continue;
        const auto problem = std::visit(
            [&](auto member) { return fromPlanValue(*found, member(record)); }, field.member);
        if (problem)
            return PlanProblem{PlanProblemKind::WrongValue, place + key + problem->where,
                               problem->expected};
    }
    return std::nullopt;
}

PlanProblem wrong(const QString& where, const char* expected) {
    return {PlanProblemKind::WrongValue, where, QString::fromUtf8(expected)};
}

// The array under `key`, each element an object; a problem when it is not.
std::optional<PlanProblem> objectsUnder(const QJsonObject& plan, const QString& key,
                                        QJsonArray& objects) {
    const QJsonValue value = plan.value(key);
    if (!value.isArray()) return wrong(key, "λίστα σε αγκύλες [ ]");
    objects = value.toArray();
    for (qsizetype i = 0; i < objects.size(); ++i)
        if (!objects[i].isObject())
            return wrong(key + QStringLiteral("[%1]").arg(i), "αντικείμενο σε άγκιστρα { }");
    return std::nullopt;
}

PlanReading readVersion1(const QJsonObject& object) {
    LinkInputs inputs;
    if (auto problem = readObject(version1Fields(), object, inputs, {})) return {{}, problem};
    Plan plan;
    plan.setCurrentInputs(inputs);
    return {plan, {}};
}

// A link's two ends: sites by their place in the list, each with its readings.
std::optional<PlanProblem> readEnds(const QJsonValue& value, const QString& place,
                                    std::size_t siteCount, Link& link) {
    const QString where = place + kEndsKey;
    if (!value.isArray() || value.toArray().size() != 2)
        return wrong(where, "λίστα δύο άκρων, το καθένα {\"site\": θέση στη λίστα sites}");
    const QJsonArray ends = value.toArray();
    for (int e = 0; e < 2; ++e) {
        const QString at = where + QStringLiteral("[%1].").arg(e);
        if (!ends[e].isObject()) return wrong(at.chopped(1), "αντικείμενο σε άγκιστρα { }");
        const QJsonObject end = ends[e].toObject();
        const auto site = wholeNumber(end.value(kSiteKey), 0, static_cast<double>(siteCount) - 1);
        if (!site) return wrong(at + kSiteKey, "η θέση μιας τοποθεσίας στη λίστα sites, από 0");
        link.ends[static_cast<std::size_t>(e)] = *site + 1;
        if (auto problem =
                readObject(aimFields(), end, link.readings[static_cast<std::size_t>(e)], at))
            return problem;
    }
    if (link.ends[0] == link.ends[1]) return wrong(where, "δύο διαφορετικές τοποθεσίες");
    return std::nullopt;
}

// Where the map was left: none when the plan says nothing of it, or leaves out
// one of its numbers or gives one out of range (the map then fits the plan).
std::optional<PlanProblem> readMapPlace(const QJsonObject& plan, std::optional<MapPlace>& place) {
    if (!plan.contains(kMapKey)) return std::nullopt;
    if (!plan.value(kMapKey).isObject()) return wrong(kMapKey, "αντικείμενο σε άγκιστρα { }");
    const QJsonObject object = plan.value(kMapKey).toObject();
    MapPlace read;
    if (auto problem = readObject(mapPlaceFields(), object, read, kMapKey + u'.')) return problem;
    for (const PlanField<MapPlace>& field : mapPlaceFields())
        if (!object.contains(QLatin1String(field.key))) return std::nullopt;
    if (std::fabs(read.latitude) <= 90.0 && std::fabs(read.longitude) <= 180.0 &&
        read.metresPerPixel > 0.0)
        place = read;
    return std::nullopt;
}

// The survey's site (by its place in the list) and folder; missing: none.
std::optional<PlanProblem> readSurvey(const QJsonObject& object, Plan& plan) {
    if (object.contains(kSurveySiteKey)) {
        const auto count = static_cast<double>(plan.sites().size());
        const auto index = wholeNumber(object.value(kSurveySiteKey), 0, count - 1);
        if (!index) return wrong(kSurveySiteKey, "η θέση μιας τοποθεσίας στη λίστα sites, από 0");
        plan.setSurveySite(plan.sites()[static_cast<std::size_t>(*index)].id);
    }
    std::string folder;
    if (const auto value = object.find(kSurveyFolderKey); value != object.end())
        if (auto problem = fromPlanValue(*value, folder))
            return PlanProblem{PlanProblemKind::WrongValue, kSurveyFolderKey, problem->expected};
    plan.setSurveyFolder(folder);
    return std::nullopt;
}

PlanReading readVersion2(const QJsonObject& object) {
    QJsonArray siteObjects, linkObjects;
    if (auto problem = objectsUnder(object, kSitesKey, siteObjects)) return {{}, problem};
    if (siteObjects.size() < 2) return {{}, wrong(kSitesKey, "λίστα τουλάχιστον δύο τοποθεσιών")};
    std::vector<Site> sites(static_cast<std::size_t>(siteObjects.size()));
    for (std::size_t i = 0; i < sites.size(); ++i) {
        sites[i].id = static_cast<SiteId>(i) + 1;
        const QString place = kSitesKey + QStringLiteral("[%1].").arg(i);
        if (auto problem = readObject(
                siteFields(), siteObjects[static_cast<qsizetype>(i)].toObject(), sites[i], place))
            return {{}, problem};
    }
    if (auto problem = objectsUnder(object, kLinksKey, linkObjects)) return {{}, problem};
    if (linkObjects.isEmpty()) return {{}, wrong(kLinksKey, "λίστα τουλάχιστον μίας ζεύξης")};
    std::vector<Link> links(static_cast<std::size_t>(linkObjects.size()));
    for (std::size_t i = 0; i < links.size(); ++i) {
        links[i].id = static_cast<LinkId>(i) + 1;
        const QString place = kLinksKey + QStringLiteral("[%1].").arg(i);
        const QJsonObject link = linkObjects[static_cast<qsizetype>(i)].toObject();
        if (auto problem = readEnds(link.value(kEndsKey), place, sites.size(), links[i]))
            return {{}, problem};
        if (auto problem = readObject(linkFields(), link, links[i], place)) return {{}, problem};
    }
    int current = 0;
    if (object.contains(kCurrentKey)) {
        const auto index =
            wholeNumber(object.value(kCurrentKey), 0, static_cast<double>(links.size()) - 1);
        if (!index) return {{}, wrong(kCurrentKey, "η θέση μιας ζεύξης στη λίστα links, από 0")};
        current = *index;
    }
    std::optional<MapPlace> mapPlace;
    if (auto problem = readMapPlace(object, mapPlace)) return {{}, problem};
    Plan plan(std::move(sites), std::move(links), current + 1);
    plan.setMapPlace(mapPlace);
    if (auto problem = readSurvey(object, plan)) return {{}, problem};
    return {plan, {}};
}

} // namespace

QByteArray planJson(const Plan& plan) {
    QJsonArray sites, links;
    std::map<SiteId, int> placeOf;
    for (const Site& site : plan.sites()) {
        placeOf[site.id] = static_cast<int>(sites.size());
        sites.append(objectOf(siteFields(), site));
    }
    int current = 0;
    for (const Link& link : plan.links()) {
        if (link.id == plan.currentLink()) current = static_cast<int>(links.size());
        QJsonObject object = objectOf(linkFields(), link);
        QJsonArray ends;
        for (std::size_t e = 0; e < 2; ++e) {
            QJsonObject end = objectOf(aimFields(), link.readings[e]);
            end.insert(kSiteKey, placeOf[link.ends[e]]);
            ends.append(end);
        }
        object.insert(kEndsKey, ends);
        links.append(object);
    }
    QJsonObject document{{kFormatKey, QLatin1String(kPlanFormat)},
                         {kVersionKey, kPlanVersion},
                         {kSitesKey, sites},
                         {kLinksKey, links},
                         {kCurrentKey, current}};
    if (plan.mapPlace()) document.insert(kMapKey, objectOf(mapPlaceFields(), *plan.mapPlace()));
    if (plan.surveySite()) document.insert(kSurveySiteKey, placeOf[plan.surveySite()]);
    if (!plan.surveyFolder().empty())
        document.insert(kSurveyFolderKey, toPlanValue(plan.surveyFolder()));
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

PlanReading readPlanJson(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return {{}, PlanProblem{PlanProblemKind::Damaged, QString::number(error.offset), {}}};
    const QJsonObject plan = document.object();
    if (!document.isObject() || plan.value(kFormatKey) != QLatin1String(kPlanFormat))
        return {{}, PlanProblem{PlanProblemKind::NotAPlan, {}, {}}};
    if (auto problem = versionProblem(plan.value(kVersionKey))) return {{}, problem};
    return plan.value(kVersionKey).toDouble() == 1.0 ? readVersion1(plan) : readVersion2(plan);
}

} // namespace tarvanel
