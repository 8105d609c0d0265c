// Reads any bytes as a plan: a whole plan or one problem, never both, never a
// crash; a plan that reads is written and read back unchanged, and every
// link of it reads as the engine's inputs.

#include "fuzz/fuzz_support.h"
#include "plan_file/plan_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvanel;
    using tarvanel::fuzz::check;
    const PlanReading reading =
        readPlanJson(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    FUZZ_CHECK(reading.plan.has_value() != reading.problem.has_value());
    if (reading.problem)
        FUZZ_CHECK(!planProblemText(*reading.problem, QStringLiteral("x")).isEmpty());
    if (reading.plan) {
        const Plan& plan = *reading.plan;
        FUZZ_CHECK(plan.link(plan.currentLink()) != nullptr);
        for (const Link& link : plan.links())
            FUZZ_CHECK(plan.site(link.ends[0]) && plan.site(link.ends[1]));
        const PlanReading again = readPlanJson(planJson(plan));
        FUZZ_CHECK(again.plan && *again.plan == plan);
    }
    return 0;
}
