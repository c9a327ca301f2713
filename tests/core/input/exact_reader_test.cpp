// Every binary64 button reads its fields with the one exact reader: the same text, numeral or
// expression, has the same value (or the same refusal) on pages 0, 1, 2, 3, 4 and 5.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/input/pick_path.h"
#include "core/input/read_number.h"
#include "core/tools/divisors_search.h"
#include "core/tools/factor_one.h"
#include "core/tools/factor_range.h"
#include "core/tools/goldbach.h"
#include "core/tools/prime_search.h"
#include "core/tools/twin_search.h"

namespace numerel {
namespace {

enum class Read { Value, NotWhole, TooLarge };

struct Text {
    const char* text;
    Read read;
    uint128 value;  // for Read::Value
};

constexpr uint128 kTen16 = 10'000'000'000'000'000ULL;
constexpr uint128 kTen24Plus1 = uint128{1'000'000'000'000ULL} * 1'000'000'000'000ULL + 1;

const Text kTexts[] = {
    {"1e16x", Read::Value, kTen16},
    {"1D16x", Read::Value, kTen16},
    {"1 0000000000000000x", Read::Value, kTen16},
    {"&H2386F26FC10001", Read::Value, kTen16 + 1},
    {"12abc", Read::Value, 12},
    {"2.5e1", Read::Value, 25},
    {"1000000000000000000000001.0", Read::Value, kTen24Plus1},
    {"79228162514264337593543950335x", Read::Value, Decimal96::kMaxMagnitude},
    {"99999999999999999999999999999x", Read::TooLarge, 0},
    {"1e400", Read::TooLarge, 0},
    {"2^64+1", Read::Value, (uint128{1} << 64) + 1},
    {"(10^12+1)*(10^12-1)+2", Read::Value, kTen24Plus1},
    {"2^96-1", Read::Value, Decimal96::kMaxMagnitude},
    {"2^96", Read::TooLarge, 0},
    {"7/2", Read::NotWhole, 0},
    {"2^-1", Read::NotWhole, 0},
    {"9999999999.9999999999999999977", Read::NotWhole, 0},
    {"1000000000000000.5x", Read::NotWhole, 0},
};

// What one page made of the text: its value, or whether it showed the over-limit box.
struct Seen {
    std::optional<uint128> value;
    bool over_limit = false;
    bool large = false;  // page 0 took a value above 2^96 - 1
};

Seen Page0(const std::string& t) {
    const FactorOneChecked checked = FactorOneCheck(t);
    if (const auto* input = std::get_if<FactorOneInput>(&checked)) {
        if (input->large != 0) return {std::nullopt, false, true};
        return {input->value};
    }
    return {std::nullopt,
            std::get<Rejection>(checked).message == OverLimitMessage(InputLimit::Digits1000)};
}

Seen Page2(const std::string& t) {
    const PrimesChecked checked = PrimesCheck(PathButton::Binary64, "1", t);
    if (const auto* bounds = std::get_if<PrimesBounds>(&checked)) return {bounds->to};
    return {std::nullopt, std::get<Rejection>(checked).message == OverLimitMessage()};
}

Seen Page3(const std::string& t) {
    const TwinsChecked checked = TwinsCheck("2", t);
    if (const auto* bounds = std::get_if<TwinsBounds>(&checked)) return {bounds->to};
    return {std::nullopt,
            std::get<Rejection>(checked).message == OverLimitMessage(InputLimit::Digits1000)};
}

// The even tool: the odd one's binary64 parity test sees 1e29 as even before any exact reading.
Seen Page4(const std::string& t, bool odd) {
    const GoldbachChecked checked = odd ? GoldbachOddCheck(PathButton::Binary64, t, {})
                                        : GoldbachEvenCheck(PathButton::Binary64, t, {});
    if (const auto* request = std::get_if<GoldbachRequest>(&checked)) return {request->n};
    return {std::nullopt, std::get<Rejection>(checked).message == OverLimitMessage()};
}

Seen Page5(const std::string& t) {
    const DivisorsChecked checked = DivisorsCheck(PathButton::Binary64, "2", t, false);
    if (const auto* input = std::get_if<DivisorsInput>(&checked)) return {input->to};
    return {std::nullopt, std::get<Rejection>(checked).message == OverLimitMessage()};
}

TEST(ExactReader, EveryPageReadsATextAlike) {
    for (const Text& c : kTexts) {
        SCOPED_TRACE(c.text);
        const bool odd = c.read == Read::Value && c.value % 2 == 1;
        for (const auto& [page, seen] :
             {std::pair{"page 0", Page0(c.text)}, std::pair{"page 2", Page2(c.text)},
              std::pair{"page 3", Page3(c.text)}, std::pair{"page 4", Page4(c.text, odd)},
              std::pair{"page 5", Page5(c.text)}}) {
            SCOPED_TRACE(page);
            switch (c.read) {
                case Read::Value:
                    ASSERT_TRUE(seen.value.has_value());
                    EXPECT_TRUE(*seen.value == c.value) << ToDecimalString(*seen.value);
                    break;
                case Read::NotWhole:
                    EXPECT_FALSE(seen.value.has_value());
                    EXPECT_FALSE(seen.over_limit);
                    break;
                case Read::TooLarge:
                    // Page 0 goes on to 1000 digits.
                    EXPECT_FALSE(seen.value.has_value());
                    EXPECT_EQ(seen.large, std::string(page) == "page 0");
                    EXPECT_EQ(seen.over_limit, std::string(page) != "page 0");
                    break;
            }
        }
    }
}

// Page 1 serves values up to SmallLimit only; within them it reads as the others do.
TEST(ExactReader, BatchPageRefusesAFractionThatRoundsToAWholeNumber) {
    EXPECT_TRUE(std::holds_alternative<Rejection>(
        FactorRangeCheck("9999999999.9999999999999999977", "10000000001")));
    const FactorRangeChecked checked = FactorRangeCheck("12abc", "2.5e1");
    ASSERT_TRUE(std::holds_alternative<FactorRangeInput>(checked));
    EXPECT_EQ(std::get<FactorRangeInput>(checked).from, 12u);
    EXPECT_EQ(std::get<FactorRangeInput>(checked).to, 25u);
}

}  // namespace
}  // namespace numerel
