#include "plan_file/plan_values.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

#include <array>
#include <span>
#include <vector>

namespace tarvanel {

namespace {

template <class E> struct Label {
    E value;
    const char* text;
};

constexpr std::array<Label<PowerUnit>, 3> kUnitLabels{{
    {PowerUnit::dBm, "dBm"},
    {PowerUnit::mW, "mW"},
    {PowerUnit::None, "none"}, // an end that shows no unit
}};
// The standards' keys, as the band's data gives them ("802.11n-1ss").
const std::vector<Label<RateSet>> kRateSetLabels = [] {
    std::vector<Label<RateSet>> labels;
    for (const RateStandard& standard : rateStandards())
        labels.push_back({standard.set, standard.key.data()});
    return labels;
}();
// The bands' keys ("2.4 GHz", "5 GHz") and the widths in MHz ("20").
const std::vector<Label<Band>> kBandLabels = [] {
    std::vector<Label<Band>> labels;
    for (Band band : allBands())
        labels.push_back({band, bandTable(band).key.data()});
    return labels;
}();
constexpr std::array<Label<ChannelWidth>, 3> kWidthLabels{{
    {ChannelWidth::MHz20, "20"},
    {ChannelWidth::MHz40, "40"},
    {ChannelWidth::MHz80, "80"},
}};
constexpr std::array<Label<EarthFactor>, 3> kEarthFactorLabels{{
    {kEarthFactorChoices[0].factor, kEarthFactorChoices[0].label},
    {kEarthFactorChoices[1].factor, kEarthFactorChoices[1].label},
    {kEarthFactorChoices[2].factor, kEarthFactorChoices[2].label},
}};

// The texts of one object in a list.
template <class Record> struct RecordField {
    const char* key;
    std::string Record::*member;
};
constexpr std::array<RecordField<ProfilePointFields>, 3> kPointFields{{
    {"distance_km", &ProfilePointFields::distanceKm},
    {"ground_m", &ProfilePointFields::groundM},
    {"clutter_m", &ProfilePointFields::clutterM},
}};
constexpr std::array<RecordField<RateOverride>, 2> kRateRowFields{{
    {"sensitivity_dbm", &RateOverride::sensitivity},
    {"power_dbm", &RateOverride::power},
}};

const QString kText = QStringLiteral("κείμενο σε εισαγωγικά");

template <class E> QJsonValue labelOf(std::span<const Label<E>> labels, E value) {
    for (const Label<E>& label : labels)
        if (label.value == value) return QString::fromUtf8(label.text);
    return QString::fromUtf8(labels.front().text);
}

template <class E>
std::optional<ValueProblem> readLabel(std::span<const Label<E>> labels, const QJsonValue& value,
                                      E& member) {
    QStringList offered;
    for (const Label<E>& label : labels) {
        if (value.isString() && value.toString() == QString::fromUtf8(label.text)) {
            member = label.value;
            return std::nullopt;
        }
        offered << QStringLiteral("«%1»").arg(QString::fromUtf8(label.text));
    }
    return ValueProblem{{},
                        QStringLiteral("μία από τις τιμές ") + offered.join(QStringLiteral(", "))};
}

template <class Record, std::size_t N>
QJsonValue recordsOf(const std::array<RecordField<Record>, N>& fields,
                     const std::vector<Record>& records) {
    QJsonArray array;
    for (const Record& record : records) {
        QJsonObject object;
        for (const RecordField<Record>& field : fields)
            object.insert(QLatin1String(field.key), toPlanValue(record.*field.member));
        array.append(object);
    }
    return array;
}

// Keys missing from an object leave its texts empty; other keys are ignored.
template <class Record, std::size_t N>
std::optional<ValueProblem> readRecords(const std::array<RecordField<Record>, N>& fields,
                                        const QJsonValue& value, std::vector<Record>& records) {
    if (!value.isArray()) return ValueProblem{{}, QStringLiteral("λίστα σε αγκύλες [ ]")};
    const QJsonArray array = value.toArray();
    records.assign(static_cast<std::size_t>(array.size()), Record{});
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString place = QStringLiteral("[%1]").arg(i);
        if (!array[i].isObject())
            return ValueProblem{place, QStringLiteral("αντικείμενο σε άγκιστρα { }")};
        const QJsonObject object = array[i].toObject();
        for (const RecordField<Record>& field : fields) {
            const auto found = object.find(QLatin1String(field.key));
            if (found == object.end()) continue;
            if (auto problem =
                    fromPlanValue(*found, records[static_cast<std::size_t>(i)].*field.member))
                return ValueProblem{place + u'.' + QLatin1String(field.key), problem->expected};
        }
    }
    return std::nullopt;
}

} // namespace

QJsonValue toPlanValue(const std::string& text) {
    return QString::fromStdString(text);
}
QJsonValue toPlanValue(double number) {
    return number;
}
QJsonValue toPlanValue(bool yes) {
    return yes;
}
QJsonValue toPlanValue(Band band) {
    return labelOf<Band>(kBandLabels, band);
}
QJsonValue toPlanValue(ChannelWidth width) {
    return labelOf<ChannelWidth>(kWidthLabels, width);
}
QJsonValue toPlanValue(PowerUnit unit) {
    return labelOf<PowerUnit>(kUnitLabels, unit);
}
QJsonValue toPlanValue(EarthFactor factor) {
    return labelOf<EarthFactor>(kEarthFactorLabels, factor);
}
QJsonValue toPlanValue(RateSet set) {
    return labelOf<RateSet>(kRateSetLabels, set);
}
QJsonValue toPlanValue(const std::vector<ProfilePointFields>& points) {
    return recordsOf(kPointFields, points);
}
QJsonValue toPlanValue(const std::vector<RateOverride>& rows) {
    return recordsOf(kRateRowFields, rows);
}

std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, std::string& text) {
    if (!value.isString()) return ValueProblem{{}, kText};
    text = value.toString().toStdString();
    return std::nullopt;
}
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, double& number) {
    if (!value.isDouble()) return ValueProblem{{}, QStringLiteral("αριθμός χωρίς εισαγωγικά")};
    number = value.toDouble();
    return std::nullopt;
}
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, bool& yes) {
    if (!value.isBool()) return ValueProblem{{}, QStringLiteral("true ή false")};
    yes = value.toBool();
    return std::nullopt;
}
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, Band& band) {
    return readLabel<Band>(kBandLabels, value, band);
}
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, ChannelWidth& width) {
    return readLabel<ChannelWidth>(kWidthLabels, value, width);
}
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, PowerUnit& unit) {
    return readLabel<PowerUnit>(kUnitLabels, value, unit);
}
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, EarthFactor& factor) {
    return readLabel<EarthFactor>(kEarthFactorLabels, value, factor);
}
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, RateSet& set) {
    return readLabel<RateSet>(kRateSetLabels, value, set);
}
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value,
                                          std::vector<ProfilePointFields>& points) {
    return readRecords(kPointFields, value, points);
}
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value,
                                          std::vector<RateOverride>& rows) {
    return readRecords(kRateRowFields, value, rows);
}

} // namespace tarvanel
