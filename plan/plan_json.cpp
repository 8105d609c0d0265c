#include "plan/plan_json.h"

#include "plan/plan_fields.h"
#include "plan/plan_values.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace tarvanel {

namespace {

const QString kFormatKey = QStringLiteral("format");
const QString kVersionKey = QStringLiteral("version");

// The version, or a problem: missing or not a whole number from 1 on is a
// wrong value, a later one than this program reads a newer plan.
std::optional<PlanProblem> versionProblem(const QJsonValue& version) {
    const double number = version.toDouble(0.0);
    if (!version.isDouble() || number < 1.0 || number != std::floor(number))
        return PlanProblem{PlanProblemKind::WrongValue, kVersionKey,
                           QStringLiteral("ακέραιος αριθμός από 1 και πάνω")};
    if (number > kPlanVersion)
        return PlanProblem{PlanProblemKind::NewerVersion, QString::number(number, 'g', 17), {}};
    return std::nullopt;
}

} // namespace

QByteArray planJson(const LinkInputs& inputs) {
    LinkInputs source = inputs; // the rows reach members through a non-const LinkInputs
    QJsonObject plan{{kFormatKey, QLatin1String(kPlanFormat)}, {kVersionKey, kPlanVersion}};
    for (const PlanField& field : planFields())
        std::visit(
            [&](auto member) {
                plan.insert(QLatin1String(field.key), toPlanValue(member(source)));
            },
            field.member);
    return QJsonDocument(plan).toJson(QJsonDocument::Indented);
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

    LinkInputs inputs;
    for (const PlanField& field : planFields()) {
        const QString key = QLatin1String(field.key);
        const auto found = plan.find(key);
        if (found == plan.end()) continue;
        const auto problem = std::visit(
            [&](auto member) { return fromPlanValue(*found, member(inputs)); }, field.member);
        if (problem)
            return {
                {},
                PlanProblem{PlanProblemKind::WrongValue, key + problem->where, problem->expected}};
    }
    return {inputs, {}};
}

} // namespace tarvanel
