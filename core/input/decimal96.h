// Decimal96: a 96-bit unsigned magnitude, a sign and a power-of-ten scale 0-28, the value being
// (-1)^sign * magnitude / 10^scale. The integer tools read, normalise and compare their input in
// it; their integer work is done exactly on unsigned __int128 afterwards.
//
// Every operation is O(1) on the fixed width; the arithmetic works exactly on wider intermediates
// and rounds once, half to even, so a result is the representable value nearest the exact one.
#pragma once

#include <compare>
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
    // 2^96 - 1 = 79228162514264337593543950335, the largest magnitude.
    static constexpr uint128 kMaxMagnitude = (uint128{1} << 96) - 1;

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
    // The nearest binary64 value (correctly rounded, ties to even); locale-independent.
    double ToDouble() const;
    // Truncated toward zero, scale 0.
    Decimal96 IntegerPart() const;
    bool IsInteger() const;
    // The exact integer value when this is a non-negative integer.
    std::optional<uint128> ToUInt128() const;

    // The same value with the other sign (zero stays non-negative).
    Decimal96 Negated() const;

    // Arithmetic as the type does it: nullopt on overflow (and on division by zero).
    // Results that do not fit are rounded half-even to 28-29 significant digits.
    // Scale of an exact result: Add/Subtract the larger operand scale, Multiply the sum of the
    // scales, Divide the smallest scale that holds the quotient exactly; each reduced only as far
    // as the 96-bit magnitude and the scale limit 28 require.
    friend std::optional<Decimal96> Add(const Decimal96& a, const Decimal96& b);
    friend std::optional<Decimal96> Subtract(const Decimal96& a, const Decimal96& b);
    friend std::optional<Decimal96> Multiply(const Decimal96& a, const Decimal96& b);
    friend std::optional<Decimal96> Divide(const Decimal96& a, const Decimal96& b);

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

// Decimal text of an unsigned 128-bit integer.
std::string ToDecimalString(uint128 value);

}  // namespace numerel
