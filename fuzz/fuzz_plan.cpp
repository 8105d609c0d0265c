// Reads any bytes as a plan: a whole plan or one problem, never both, never a
// crash; a plan that reads is written and read back unchanged.

#include "fuzz/fuzz_support.h"
#include "plan/plan_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvanel;
    using tarvanel::fuzz::check;
    const PlanReading reading =
        readPlanJson(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    FUZZ_CHECK(reading.inputs.has_value() != reading.problem.has_value());
    if (reading.problem)
        FUZZ_CHECK(!planProblemText(*reading.problem, QStringLiteral("x")).isEmpty());
    if (reading.inputs) {
        const PlanReading again = readPlanJson(planJson(*reading.inputs));
        FUZZ_CHECK(again.inputs && *again.inputs == *reading.inputs);
    }
    return 0;
}
