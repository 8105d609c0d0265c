#include "engine/radio_physics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace tarvanel {
namespace {

// The worked figures of the physics module's header, at 2427 MHz.
struct PhysicsCase {
    const char* name;
    std::function<Outcome<double>()> figure;
    double expected;
    double tolerance = 0.005;
};

void PrintTo(const PhysicsCase& c, std::ostream* out) {
    *out << c.name;
}

constexpr double kMHz = 2427;
// The clearance an edge 1.05 m below the line of sight leaves, as the path shows it.
constexpr double kEdgeClearance = 1.0495;
// clang-format off
const PhysicsCase kCases[] = {
    {"wavelength", [] { return wavelengthMetres(kMHz); }, 0.1235, 0.00005},
    {"freeSpaceLoss5km", [] { return freeSpaceLossDb(kMHz, 5); }, 114.13},
    {"fresnelMidway", [] { return fresnelRadiusMetres(kMHz, 2.5, 2.5); }, 12.43},
    {"fresnelAt2of5km", [] { return fresnelRadiusMetres(kMHz, 2, 3); }, 12.17},
    {"bulgeAt2of5km", [] { return earthBulgeMetres(2, 3, 4.0 / 3.0); }, 0.35},
    {"lineOfSightAt2of5km", [] { return lineOfSightMetres(32, 18, 2, 5); }, 26.40},
    {"edgeParameter", [] { return diffractionParameter(kEdgeClearance, kMHz, 2, 3); }, -0.12},
    {"edgeLoss", [] { return knifeEdgeLossDb(diffractionParameter(kEdgeClearance, kMHz, 2, 3).value); }, 4.99},
    {"edgeLossFarBelow", [] { return knifeEdgeLossDb(-0.78); }, 0.0, 0.0},
    {"tiltOf32mAntenna", [] { return antennaTiltDegrees(32, 18, 5, 4.0 / 3.0); }, -0.18},
    {"oneMilliwatt", [] { return milliwattsToDbm(1); }, 0.0, 0.0},
    {"hundredMilliwatts", [] { return dbmToMilliwatts(20); }, 100.0, 1e-9},
};
// clang-format on

class PhysicsTest : public ::testing::TestWithParam<PhysicsCase> {};

TEST_P(PhysicsTest, GivesTheHeadersFigure) {
    const Outcome<double> figure = GetParam().figure();
    ASSERT_TRUE(figure.ok());
    EXPECT_NEAR(figure.value, GetParam().expected, GetParam().tolerance);
}

INSTANTIATE_TEST_SUITE_P(At2427MHz, PhysicsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Each step names its failure instead of carrying an infinity or NaN.
TEST(PhysicsFailures, NameTheirStep) {
    EXPECT_EQ(wavelengthMetres(0).error, EngineError::InvalidOperation);
    EXPECT_EQ(freeSpaceLossDb(kMHz, 0).error, EngineError::InvalidOperation);
    EXPECT_EQ(milliwattsToDbm(0).error, EngineError::InvalidOperation);
    EXPECT_EQ(dbmToMilliwatts(1e6).error, EngineError::Overflow);
    EXPECT_FALSE(meetsFadeMargin(9.994, 10));
    EXPECT_TRUE(meetsFadeMargin(9.996, -10));
}

} // namespace
} // namespace tarvanel
