#pragma once

#include "engine/link_inputs.h"

#include <QJsonValue>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace tarvanel {

// How each kind of member a plan keeps is written and read: a text as a JSON
// string, byte for byte as typed; a choice as its label ("mW", "4/3",
// "802.11g", "5 GHz", "80"); a yes or no as true or false; the profile's
// points and the rate rows as arrays of objects of texts; a number (where the
// map was left) as a JSON number.

QJsonValue toPlanValue(const std::string& text);
QJsonValue toPlanValue(double number);
QJsonValue toPlanValue(bool yes);
QJsonValue toPlanValue(Band band);
QJsonValue toPlanValue(ChannelWidth width);
QJsonValue toPlanValue(PowerUnit unit);
QJsonValue toPlanValue(EarthFactor factor);
QJsonValue toPlanValue(RateSet set);
QJsonValue toPlanValue(const std::vector<ProfilePointFields>& points);
QJsonValue toPlanValue(const std::vector<RateOverride>& rows);

// Why a value does not read: where inside it ("[2].ground_m" in a list, empty
// for the value itself) and, in Greek, what it has to be.
struct ValueProblem {
    QString where;
    QString expected;
};

// Reads `value` into `member`; on a problem `member` may be half-written.
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, std::string& text);
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, double& number);
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, bool& yes);
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, Band& band);
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, ChannelWidth& width);
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, PowerUnit& unit);
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, EarthFactor& factor);
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, RateSet& set);
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value,
                                          std::vector<ProfilePointFields>& points);
std::optional<ValueProblem> fromPlanValue(const QJsonValue& value, std::vector<RateOverride>& rows);

} // namespace tarvanel
