// Decimal96: a 96-bit unsigned magnitude, a sign and a power-of-ten scale 0-28, the value being
// (-1)^sign * magnitude / 10^scale. The integer tools read, normalise and compare their input in
// it; their integer work is done exactly on unsigned __int128 afterwards.
//
// Every operation is O(1) on the fixed width; the arithmetic works exactly on wider intermediates
// and rounds once, half to even, so a result is the representable value nearest the exact one.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numerel {

__extension__ typedef unsigned __int128 uint128;

inline constexpr uint128 kTwoTo64 = uint128{1} << 64;

enum class DecimalStatus { Ok, NotANumber, Overflow };

class Decimal96 {
public:
    static constexpr int kMaxScale = 28;
    // 2^96 - 1 = 79228162514264337593543950335, the largest magnitude, and its digit count.
    static constexpr uint128 kMaxMagnitude = (uint128{1} << 96) - 1;
    static constexpr int kMaxDigits = 29;

    Decimal96() = default;  // zero
    // The integer value +-magnitude; magnitude must not exceed kMaxMagnitude (a larger one is a
    // programming error and throws std::out_of_range). Zero is never negative.
    static Decimal96 FromInteger(uint128 magnitude, bool negative = false);
    // magnitude / 10^scale with the sign; nullopt when magnitude > kMaxMagnitude or scale is
    // outside [0, kMaxScale].
    static std::optional<Decimal96> FromParts(uint128 magnitude, int scale, bool negative);

    uint128 Magnitude() const { return magnitude_; }
    int Scale() const { return scale_; }
    bool IsNegative() const { return negative_ && magnitude_ != 0; }
    bool IsZero() const { return magnitude_ == 0; }

    // Plain decimal text: "-" for negatives, a "." only when scale > 0, digits as held
    // (scale is kept: 1.50 prints as "1.50"; 0.5 as "0.5", never ".5").
    std::string ToString() const;
    // Truncated toward zero, scale 0.
    Decimal96 IntegerPart() const;
    bool IsInteger() const;
    // The exact integer value when this is a non-negative integer.
    std::optional<uint128> ToUInt128() const;

    // The sum as the type does it: nullopt on overflow; a sum that does not fit is rounded
    // half-even to 28-29 significant digits. The scale of an exact sum is the larger operand
    // scale, reduced only as far as the 96-bit magnitude and the scale limit 28 require.
    friend std::optional<Decimal96> Add(const Decimal96& a, const Decimal96& b);

    // Compares values (1.5 == 1.50).
    friend std::strong_ordering operator<=>(const Decimal96& a, const Decimal96& b);
    friend bool operator==(const Decimal96& a, const Decimal96& b) { return (a <=> b) == 0; }

private:
    // Callers guarantee the ranges; zero is stored non-negative.
    Decimal96(uint128 magnitude, int scale, bool negative)
        : magnitude_(magnitude), scale_(scale), negative_(negative && magnitude != 0) {}

    uint128 magnitude_ = 0;
    int scale_ = 0;
    bool negative_ = false;
};

// The digits of kMaxMagnitude as a C string, written out from the constant at compile time.
inline constexpr std::array<char, Decimal96::kMaxDigits + 1> kMaxMagnitudeDigits = [] {
    std::array<char, Decimal96::kMaxDigits + 1> digits{};
    uint128 rest = Decimal96::kMaxMagnitude;
    for (int i = Decimal96::kMaxDigits - 1; i >= 0; --i, rest /= 10)
        digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + static_cast<int>(rest % 10));
    return digits;
}();
static_assert(kMaxMagnitudeDigits[0] != '0' &&
                  Decimal96::kMaxMagnitude /
                          (uint128{10'000'000'000'000'000'000ULL} * 10'000'000'000ULL) ==
                      0,
              "kMaxDigits is the digit count of kMaxMagnitude");

// The one uint128 formatter: writes the decimal digits of value so that they end just before end
// (at most kMaxUint128Digits of them) and returns where they begin.
inline constexpr std::size_t kMaxUint128Digits = 39;
char* WriteDecimalBefore(char* end, uint128 value);

// Appends the plain decimal digits of value to out.
void AppendDecimal(std::string& out, uint128 value);

// Decimal text of an unsigned 128-bit integer.
std::string ToDecimalString(uint128 value);

}  // namespace numerel
