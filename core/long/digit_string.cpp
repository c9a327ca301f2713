#include "core/long/digit_string.h"

#include <algorithm>
#include <utility>

namespace numerel {

namespace {

// The text before the first point and the text between the first and a second point.
void SplitOne(std::string_view a, std::string& integer, std::string& fraction) {
    const std::size_t point = a.find('.');
    if (point == std::string_view::npos) {
        integer.assign(a);
        fraction.clear();
        return;
    }
    integer.assign(a.substr(0, point));
    const std::string_view rest = a.substr(point + 1);
    fraction.assign(rest.substr(0, rest.find('.')));
}

int Sign(int c) {
    return (c > 0) - (c < 0);
}

// Rule for two integer texts: length after trimming, then character order.
int CompareIntegers(std::string a, std::string b) {
    TrimLeadingZeros(a);
    TrimLeadingZeros(b);
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return Sign(a.compare(b));
}

}  // namespace

bool IsDigitString(std::string_view a) {
    int points = 0;
    for (const char c : a) {
        if (c == '.') {
            if (++points > 1) return false;
        } else if (!IsDigit(c)) {
            return false;
        }
    }
    return true;
}

bool IsDigitsOnly(std::string_view a) {
    return !a.empty() && std::all_of(a.begin(), a.end(), IsDigit);
}

void TrimLeadingZeros(DigitString& a) {
    if (HasPoint(a) || a == "0") return;
    const std::size_t zeros = a.find_first_not_of('0');
    if (zeros == std::string::npos) {
        if (a.size() >= 2) a = "0";
        return;
    }
    a.erase(0, zeros);
}

void TrimFraction(DigitString& a) {
    if (!a.empty() && a.front() == '.') a.insert(0, 1, '0');
    if (!HasPoint(a)) return;
    const std::size_t last = a.find_last_not_of('0');
    a.erase(last == std::string::npos ? 0 : last + 1);
    if (!a.empty() && a.back() == '.') a.pop_back();
}

SplitParts SplitAtPoint(DigitString& a, DigitString& b) {
    const bool a_point = HasPoint(a);
    const bool b_point = HasPoint(b);
    if (!a_point && b_point) a += ".0";
    if (a_point && !b_point) b += ".0";
    SplitParts parts;
    SplitOne(a, parts.ia, parts.fa);
    SplitOne(b, parts.ib, parts.fb);
    return parts;
}

int LongCompare(const DigitString& a, const DigitString& b) {
    const bool a_point = HasPoint(a);
    const bool b_point = HasPoint(b);
    if (!a_point && !b_point) return CompareIntegers(a, b);
    DigitString x = a;
    DigitString y = b;
    // The integer operand gets as many fraction zeros as the decimal one has.
    if (!a_point || !b_point) {
        std::string integer, fraction;
        SplitOne(a_point ? x : y, integer, fraction);
        DigitString& integer_operand = a_point ? y : x;
        integer_operand.push_back('.');
        integer_operand.append(fraction.size(), '0');
    }
    SplitParts parts = SplitAtPoint(x, y);
    // ".5" is an allowed operand; its empty integer part is the zero of "0.5".
    if (parts.ia.empty()) parts.ia.assign(1, '0');
    if (parts.ib.empty()) parts.ib.assign(1, '0');
    const int integers = CompareIntegers(parts.ia, parts.ib);
    if (integers != 0) return integers;
    const std::size_t width = std::max(parts.fa.size(), parts.fb.size());
    parts.fa.resize(width, '0');
    parts.fb.resize(width, '0');
    return Sign(parts.fa.compare(parts.fb));
}

namespace {

// Drops a second point and everything after it: the parts the shifts work on end there.
std::size_t CutAtSecondPoint(DigitString& a, std::size_t point) {
    const std::size_t second = a.find('.', point + 1);
    if (second != std::string::npos) a.erase(second);
    return point;
}

}  // namespace

// Both shifts rewrite the text in place (one move of its characters, no copies): the division
// applies them to results of any length.
void ShiftPointLeft(DigitString& a, std::size_t n) {
    const std::size_t point = a.find('.');
    if (point != std::string::npos) {
        CutAtSecondPoint(a, point);
        if (a.starts_with("0.")) {
            a.insert(2, n, '0');
        } else if (n < point) {
            a.erase(point, 1);
            a.insert(point - n, 1, '.');
        } else {
            a.erase(point, 1);
            a.insert(0, n - point, '0');
            a.insert(0, "0.");
        }
    } else if (n < a.size()) {
        a.insert(a.size() - n, 1, '.');
    } else {
        a.insert(0, n - a.size() + 2, '0');
        a[1] = '.';
    }
    const std::size_t last = a.find_last_not_of('0');
    a.erase(last == std::string::npos ? 0 : last + 1);
    if (!a.empty() && a.back() == '.') a.pop_back();
}

void ShiftPointRight(DigitString& a, std::size_t n) {
    std::size_t point = a.find('.');
    if (point == std::string::npos) {
        a.append(n, '0');
        return;
    }
    CutAtSecondPoint(a, point);
    const std::size_t fraction = a.size() - point - 1;
    a.erase(point, 1);
    if (n < fraction) {
        a.insert(point + n, 1, '.');
    } else {
        a.append(n - fraction, '0');
    }
    a.erase(0, std::min(a.find_first_not_of('0'), a.size()));
    if (!a.empty() && a.front() == '.') a.insert(0, 1, '0');
}

void SwapDigits(DigitString& a, DigitString& b) {
    std::swap(a, b);
}

std::string PlacePointFromRight(const std::string& digits, std::size_t k) {
    if (digits.size() < k) return "0." + std::string(k - digits.size(), '0') + digits;
    const std::size_t split = digits.size() - k;
    return digits.substr(0, split) + "." + digits.substr(split);
}

}  // namespace numerel
