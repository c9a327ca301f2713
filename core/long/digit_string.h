// DigitString: an exact decimal numeral held as text ("0"-"9" and at most one "."; no sign, no
// exponent, no blanks), the operand and result type of the long-number arithmetic, and the
// text-level normalisations, comparison and point shifts every long operation is built on.
//
// All functions here are linear in the text length and never fail. Texts outside the form above
// (letters, a second point) are not rejected: the results are then well defined but meaningless,
// and the calculator pages check their input before calling the arithmetic.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace numerel {

using DigitString = std::string;

// One of "0"-"9".
inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The empty text (an empty box) or "0": the operand every long operation short-cuts.
inline bool IsZeroOrEmpty(std::string_view a) {
    return a.empty() || a == "0";
}

// Does the text contain a point anywhere (the "*.*" test)?
inline bool HasPoint(std::string_view a) {
    return a.find('.') != std::string_view::npos;
}

// Digits with at most one point, nothing else; the empty text counts (an empty box).
bool IsDigitString(std::string_view a);

// One or more digits and nothing else.
bool IsDigitsOnly(std::string_view a);

// In place. A text with a point and the text "0" stay unchanged ("007.5" too); two or more zeros
// become "0"; otherwise leading "0" characters are removed (the empty text stays empty).
void TrimLeadingZeros(DigitString& a);

// In place. A leading point gets a "0" in front; with a point, trailing zeros and then a trailing
// point are removed ("2.50" -> "2.5", "3.000" -> "3", ".5" -> "0.5"); integers are unchanged.
void TrimFraction(DigitString& a);

// The integer and fraction parts of two operands.
struct SplitParts {
    std::string ia, fa, ib, fb;
};

// When exactly one of a and b has a point, the other gets ".0" appended (in place). Each
// integer part is the text before the first point, each fraction part the text between the
// first and a second point (empty when there is no point).
SplitParts SplitAtPoint(DigitString& a, DigitString& b);

// -1, 0 or 1 as a < b, a = b, a > b by value. Integers compare by length after
// TrimLeadingZeros, then character by character (so the empty text is below "0"); a decimal and
// an integer compare with the integer given as many fraction zeros as the decimal has; two
// decimals compare integer parts, then fractions padded with zeros. An empty integer part of a
// decimal counts as "0" (".5" equals "0.5").
int LongCompare(const DigitString& a, const DigitString& b);

// In place, a becomes a / 10^n: the point moves n places left (with "0." and zeros when it runs
// past the first digit), then trailing zeros and a trailing point are removed.
void ShiftPointLeft(DigitString& a, std::size_t n);

// In place, a becomes a * 10^n. An integer gets n zeros appended; a decimal has its point moved
// n places right (zeros appended when the fraction is shorter), then leading zeros removed and a
// "0" put before a leading point ("0.05" by 1 -> "0.5", by 2 -> "5").
void ShiftPointRight(DigitString& a, std::size_t n);

// Exchanges the two texts.
void SwapDigits(DigitString& a, DigitString& b);

// The text with the point k places from its right end: "0." and zeros in front when it has
// fewer than k characters ("75", 3 -> "0.075"), "" before the point when exactly k (".75").
std::string PlacePointFromRight(const std::string& digits, std::size_t k);

}  // namespace numerel
