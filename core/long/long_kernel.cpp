#include "core/long/long_kernel.h"

#include <algorithm>
#include <cmath>

#include "core/long/digit_string.h"

namespace numerel {

namespace {

int DigitValue(char c) {
    return IsDigit(c) ? c - '0' : 0;
}

std::string_view WithoutLeadingZeros(std::string_view a) {
    std::size_t i = 0;
    while (i < a.size() && DigitValue(a[i]) == 0) ++i;
    return a.substr(i);
}

void EraseLeadingZeros(std::string& s) {
    const std::size_t first = s.find_first_not_of('0');
    if (first == std::string::npos) {
        s.assign(1, '0');
    } else {
        s.erase(0, first);
    }
}

}  // namespace

mpz_class DigitsToMpz(std::string_view digits) {
    mpz_class value;
    std::string text(digits);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return !IsDigit(c); }, '0');
    if (text.empty()) return value;
    mpz_set_str(value.get_mpz_t(), text.c_str(), 10);
    return value;
}

mpz_class DigitsToMpz(const std::string& text, std::size_t offset) {
    const std::string_view digits = std::string_view(text).substr(offset);
    const bool plain = !digits.empty() && std::all_of(digits.begin(), digits.end(), IsDigit);
    if (!plain) return DigitsToMpz(digits);
    mpz_class value;
    mpz_set_str(value.get_mpz_t(), text.c_str() + offset, 10);
    return value;
}

std::size_t TrimmedOffset(std::string_view a) {
    if (a.find('.') != std::string_view::npos || a == "0" || a.empty()) return 0;
    const std::size_t first = a.find_first_not_of('0');
    return first == std::string_view::npos ? a.size() - 1 : first;
}

std::string MpzToDigits(const mpz_class& value) {
    return value.get_str(10);
}

std::string AddDigitTexts(std::string_view a, std::string_view b) {
    if (a.size() < b.size()) std::swap(a, b);
    std::string sum(a.size() + 1, '0');
    int carry = 0;
    std::size_t ia = a.size();
    std::size_t ib = b.size();
    std::size_t out = sum.size();
    while (ia > 0) {
        int s = DigitValue(a[--ia]) + carry;
        if (ib > 0) s += DigitValue(b[--ib]);
        carry = s >= 10;
        sum[--out] = static_cast<char>('0' + s - 10 * carry);
    }
    sum[0] = static_cast<char>('0' + carry);
    EraseLeadingZeros(sum);
    return sum;
}

std::string SubDigitTexts(std::string_view a, std::string_view b) {
    if (a.size() < b.size()) b = WithoutLeadingZeros(b);
    if (a.size() < b.size()) return "0";  // out of contract: b > a
    std::string difference(a.size(), '0');
    int borrow = 0;
    std::size_t ia = a.size();
    std::size_t ib = b.size();
    while (ia > 0) {
        --ia;
        int d = DigitValue(a[ia]) - borrow;
        if (ib > 0) d -= DigitValue(b[--ib]);
        borrow = d < 0;
        difference[ia] = static_cast<char>('0' + d + 10 * borrow);
    }
    EraseLeadingZeros(difference);
    return difference;
}

int CompareDigitTexts(std::string_view a, std::string_view b) {
    a = WithoutLeadingZeros(a);
    b = WithoutLeadingZeros(b);
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const int da = DigitValue(a[i]);
        const int db = DigitValue(b[i]);
        if (da != db) return da < db ? -1 : 1;
    }
    return 0;
}

std::size_t CountTrailingZeros(std::string_view a) {
    const std::size_t last = a.find_last_not_of('0');
    return last == std::string_view::npos ? a.size() : a.size() - last - 1;
}

double Log10OfDigits(std::string_view digits) {
    digits = WithoutLeadingZeros(digits);
    if (digits.empty()) return 0.0;
    const std::size_t lead = std::min<std::size_t>(digits.size(), 17);
    double head = 0.0;
    for (std::size_t i = 0; i < lead; ++i) head = head * 10.0 + DigitValue(digits[i]);
    return std::log10(head) + static_cast<double>(digits.size() - lead);
}

}  // namespace numerel
