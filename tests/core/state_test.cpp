#include <gtest/gtest.h>

#include <stdexcept>

#include "core/game_state.h"
#include "core/number_text.h"
#include "core/numeric.h"
#include "core/one_based.h"
#include "core/random.h"

namespace sky {
namespace {

// From seed 0: 0 * 134775813 + 1 = 1; 1 * 134775813 + 1 = 134775814;
// 134775814 * 134775813 + 1 = 18164519904586783 = 4229256 * 2^32 + 3698175007.
constexpr uint32_t FirstStates[] = {1u, 134775814u, 3698175007u};

TEST(Random, SequenceFromAKnownSeed) {
    Random units(0), below(0);
    for (const uint32_t s : FirstStates) {
        units.Unit();
        below.Below(500);
        EXPECT_EQ(units.State(), s);
        EXPECT_EQ(below.State(), s);
    }
    Random r(0);
    EXPECT_DOUBLE_EQ(r.Unit(), 1 / 4294967296.0);
    EXPECT_DOUBLE_EQ(r.Unit(), 134775814 / 4294967296.0);  // 0.0313799...
    EXPECT_DOUBLE_EQ(r.Unit(), 3698175007 / 4294967296.0);  // 0.861048...
    r.Seed(0);
    EXPECT_EQ(r.Below(500), 0u);    // 1 * 500 >> 32
    EXPECT_EQ(r.Below(500), 15u);   // 67387907000 >> 32
    EXPECT_EQ(r.Below(500), 430u);  // 1849087503500 >> 32
}

TEST(Random, BelowTakesTheHighBitsOfTheProduct) {
    // Seeds whose next state is 2^32 - 1 and 2^31: a modulo rule would give
    // 295 and 148 for n = 500, the high bits give the top and the middle.
    Random r(1298181734u);
    EXPECT_EQ(r.Below(500), 499u);
    EXPECT_EQ(r.State(), 0xFFFFFFFFu);
    r.Seed(1298181734u);
    EXPECT_EQ(r.Below(499), 498u);
    r.Seed(2796574515u);
    EXPECT_EQ(r.Below(500), 250u);
    EXPECT_EQ(r.State(), 0x80000000u);
    r.Seed(2796574515u);
    EXPECT_EQ(r.Below(499), 249u);
    EXPECT_LT(Random(1298181734u).Unit(), 1.0);
}

TEST(Numeric, RoundHalvesToEvenAndTruncTowardsZero) {
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(-1.5), -2);
    EXPECT_EQ(Round(498.5), 498);
    EXPECT_EQ(Round(499.5), 500);
    EXPECT_EQ(Round(2.5000001), 3);
    EXPECT_EQ(Round(-2.7), -3);
    EXPECT_EQ(Trunc(-1.7), -1);
    EXPECT_EQ(Trunc(1.7), 1);
    EXPECT_EQ(Trunc(-0.2), 0);
}

TEST(OneBased, AcceptsOneToNAndRejectsTheRest) {
    OneBased<int, 3> a;
    a[1] = 10;
    a[3] = 30;
    EXPECT_EQ(a[1], 10);
    EXPECT_EQ(a[3], 30);
    EXPECT_EQ(*a.begin(), 10);  // index 1 is the first element
    EXPECT_THROW(a[0], std::out_of_range);
    EXPECT_THROW(a[4], std::out_of_range);
    EXPECT_THROW(a[-1], std::out_of_range);
    const GameState state;
    EXPECT_NO_THROW(state.Energy[2]);
    EXPECT_THROW(state.Energy[3], std::out_of_range);
    EXPECT_NO_THROW(state.Trail[1000]);
    EXPECT_THROW(state.Trail[1001], std::out_of_range);
}

TEST(FloatToText, GeneralFormatWithFifteenDigits) {
    EXPECT_EQ(FloatToText(1.5), "1.5");
    EXPECT_EQ(FloatToText(-1.5707963267948966), "-1.5707963267949");
    EXPECT_EQ(FloatToText(70), "70");
    EXPECT_EQ(FloatToText(0), "0");
    EXPECT_EQ(FloatToText(1e-5), "1E-5");
    EXPECT_EQ(FloatToText(-0.2, ','), "-0,2");
    EXPECT_EQ(FloatToText(1.5, ','), "1,5");
}

}  // namespace
}  // namespace sky
