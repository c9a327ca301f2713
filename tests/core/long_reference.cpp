#include "core/long_reference.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/input/read_number.h"
#include "core/long/long_messages.h"

namespace numerel::reference {

namespace {

bool ZeroOrEmpty(const std::string& a) {
    return a.empty() || a == "0";
}

std::uint64_t Value(const std::string& digits) {
    std::uint64_t v = 0;
    for (const char c : digits) v = v * 10 + static_cast<std::uint64_t>(c - '0');
    return v;
}

std::string Padded(std::uint64_t value, std::size_t width) {
    std::string text = std::to_string(value);
    return std::string(width - std::min(width, text.size()), '0') + text;
}

std::string PointBack(const std::string& digits, std::size_t k) {
    if (digits.size() < k) return "0." + std::string(k - digits.size(), '0') + digits;
    return digits.substr(0, digits.size() - k) + "." + digits.substr(digits.size() - k);
}

// Shorter, or smaller at the same length (text order).
bool Below(const std::string& p, const std::string& q) {
    return p.size() < q.size() || (p.size() == q.size() && p < q);
}

std::string StripLeadingZeros(std::string p) {
    while (!p.empty() && p[0] == '0') p.erase(0, 1);
    return p;
}

// The division loop shared by IntQuot and Mod.
std::string Divide(const DigitString& a, const DigitString& b, bool want_quotient,
                   Prompter& prompter) {
    std::string p = a;
    std::string q = b;
    TrimLeadingZeros(p);
    TrimLeadingZeros(q);
    if (ZeroOrEmpty(q)) {
        prompter.Show(ZeroDivisorMessage());
        return want_quotient ? "0" : "";
    }
    if (q == "1") return want_quotient ? p : "0";
    const std::size_t n = q.size();
    std::string quotient = "0";
    while (p.size() > n) {
        std::string window = p.substr(0, n);
        if (window < q) window = p.substr(0, n + 1);
        const std::size_t w = window.size();
        int count = 0;
        do {
            window = Sub(window, q);
            ++count;
        } while (LongCompare(window, q) != -1);
        if (want_quotient) {
            quotient = Add(quotient, std::to_string(count) + std::string(p.size() - w, '0'));
        }
        p = (window == "0" ? std::string() : window) + p.substr(w);
        if (want_quotient) {
            if (p.empty()) p = "0";
            p = StripLeadingZeros(p);
        } else {
            p = StripLeadingZeros(p);
            if (p.empty()) p = "0";
        }
    }
    if (Below(p, q)) return want_quotient ? quotient : p;
    if (p == q) return want_quotient ? Add(quotient, "1") : "0";
    int count = 0;
    do {
        p = Sub(p, q);
        ++count;
    } while (!Below(p, q));
    return want_quotient ? Add(quotient, std::to_string(count)) : p;
}

// At least min_length digits: the places the point shift uncovers are computed, not zero-filled.
std::string PeriodicDigits(std::string r, const std::string& q, const std::string& answer,
                           std::size_t min_length, Prompter& prompter) {
    std::string digits;
    std::int32_t k = 0;
    if (answer != "0") {
        const double n = ReadNumber(answer);
        do {
            DivStep(r, q, k, digits, prompter);
        } while (static_cast<double>(digits.size()) < n || digits.size() < min_length);
        return digits;
    }
    while (digits.size() < 30) DivStep(r, q, k, digits, prompter);
    const std::string w = digits.substr(10, 20);
    const auto twice = [&w](const std::string& text) {
        const std::size_t first = text.find(w);
        return first != std::string::npos && text.find(w, first + 20) != std::string::npos;
    };
    do {
        DivStep(r, q, k, digits, prompter);
    } while (!twice(digits));
    while (digits.size() < min_length) DivStep(r, q, k, digits, prompter);
    return digits;
}

DigitString Finish(DigitString result, std::size_t tp, std::size_t tq) {
    TrimFraction(result);
    ShiftPointRight(result, tp);
    ShiftPointLeft(result, tq);
    return result;
}

std::size_t TakeTrailingZeros(std::string& a) {
    std::size_t count = 0;
    while (!a.empty() && a.back() == '0') {
        a.pop_back();
        ++count;
    }
    return count;
}

struct RootDigits {
    std::string text;
    std::size_t decimals = 0;
};

RootDigits IntegerSqrt(std::string a, bool& exact, Prompter& prompter) {
    TrimLeadingZeros(a);
    if (a.size() < 16) {
        const double value = a.empty() ? 0.0 : static_cast<double>(Value(a));
        const double root = std::floor(std::sqrt(value));
        if (root * root == value) {
            exact = true;
            return {std::to_string(static_cast<std::uint64_t>(root)), 0};
        }
    }
    prompter.Show(PrecisionNoticeMessage());
    const std::optional<std::string> answer = prompter.Ask(kSqrtPrecisionPrompt, kAppTitle);
    if (!answer || answer->empty()) return {};
    const double n = ReadNumber(*answer);
    const std::size_t decimals = n > 0 ? static_cast<std::size_t>(std::ceil(n)) : 0;
    const std::size_t length = a.size();
    const std::size_t h = (length + length % 2) / 2;
    const std::string radicand = a + std::string(2 * decimals, '0');
    std::size_t position = length % 2 == 1 ? 1 : 2;
    const std::string group = radicand.substr(0, position);
    int first = 0;
    while ((first + 1) * (first + 1) <= static_cast<int>(Value(group))) ++first;
    std::string root = std::to_string(first);
    std::string remainder = Sub(group, std::to_string(first * first));
    while (root.size() < h + decimals) {
        if (remainder == "0" || remainder == "00") remainder.clear();
        const std::string current = remainder + radicand.substr(position, 2);
        position += 2;
        const std::string twice = Add(root, root);
        int x = 0;
        while (LongCompare(Mul(std::to_string(x), twice + std::to_string(x)), current) != 1) ++x;
        const int d = x == 0 ? 0 : x - 1;
        remainder = Sub(current, Mul(std::to_string(d), twice + std::to_string(d)));
        root += std::to_string(d);
    }
    std::string result = root.substr(0, h) + "." + root.substr(h);
    TrimFraction(result);
    return {result, decimals};
}

}  // namespace

DigitString Add(const DigitString& a, const DigitString& b) {
    if (ZeroOrEmpty(a)) return b;
    if (ZeroOrEmpty(b)) return a;
    if (HasPoint(a) || HasPoint(b)) {
        DigitString x = a, y = b;
        SplitParts s = SplitAtPoint(x, y);
        const std::size_t k = std::max(s.fa.size(), s.fb.size());
        s.fa.resize(k, '0');
        s.fb.resize(k, '0');
        DigitString sum = PointBack(Add(s.ia + s.fa, s.ib + s.fb), k);
        TrimFraction(sum);
        return sum;
    }
    std::string x = a, y = b;
    if (x.size() < y.size()) std::swap(x, y);
    const std::size_t length = x.size();
    y = std::string(length - y.size(), '0') + y;
    std::vector<std::string> la, lb;
    while (x.size() >= 14) {
        la.push_back(x.substr(x.size() - 14));
        lb.push_back(y.substr(y.size() - 14));
        x.resize(x.size() - 14);
        y.resize(y.size() - 14);
    }
    std::string result;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < la.size(); ++i) {
        const std::uint64_t s = Value(la[i]) + Value(lb[i]) + carry;
        const std::string text = std::to_string(s);
        if (text.size() == 15) {
            carry = 1;
            result = text.substr(1) + result;
        } else {
            carry = 0;
            result = Padded(s, 14) + result;
        }
    }
    result = std::to_string(Value(x) + Value(y) + carry) + result;
    TrimLeadingZeros(result);
    return result;
}

DigitString Sub(const DigitString& a, const DigitString& b) {
    std::string x = a, y = b;
    TrimLeadingZeros(x);
    TrimLeadingZeros(y);
    if (ZeroOrEmpty(y)) return x;
    if (x == y) return "0";
    if (HasPoint(x) || HasPoint(y)) {
        SplitParts s = SplitAtPoint(x, y);
        const std::size_t k = std::max(s.fa.size(), s.fb.size());
        s.fa.resize(k, '0');
        s.fb.resize(k, '0');
        DigitString difference = PointBack(Sub(s.ia + s.fa, s.ib + s.fb), k);
        TrimFraction(difference);
        return difference;
    }
    if (x.empty()) x = "0";
    const std::size_t length = x.size();
    y = std::string(length - std::min(length, y.size()), '0') + y;
    const std::string kept = x;
    const std::size_t c = length / 15;
    std::vector<std::int64_t> la(c), lb(c);
    for (std::size_t i = 0; i < c; ++i) {
        la[i] = static_cast<std::int64_t>(Value(x.substr(length - 15 * (i + 1), 15)));
        lb[i] = static_cast<std::int64_t>(Value(y.substr(length - 15 * (i + 1), 15)));
    }
    std::vector<int> borrow(c + 1, 0);
    std::string result;
    for (std::size_t i = 0; i < c; ++i) {
        std::int64_t d = la[i] - lb[i];
        if (d < 0) {
            borrow[i + 1] = 1;
            d += 1'000'000'000'000'000;
            if (i + 1 < c) la[i + 1] -= 1;
        }
        result = Padded(static_cast<std::uint64_t>(d), 15) + result;
    }
    const std::size_t n = length % 15;
    const std::int64_t top = static_cast<std::int64_t>(Value(kept.substr(0, n))) -
                             static_cast<std::int64_t>(Value(y.substr(0, n))) - borrow[c];
    result = std::to_string(top) + result;
    while (result.size() > 1 && result[0] == '0') result.erase(0, 1);
    return result;
}

DigitString Mul(const DigitString& a, const DigitString& b) {
    std::string x = a, y = b;
    TrimLeadingZeros(x);
    TrimFraction(x);
    TrimLeadingZeros(y);
    TrimFraction(y);
    if (ZeroOrEmpty(x) || ZeroOrEmpty(y)) return "0";
    if (x == "1") return y;
    if (y == "1") return x;
    if (HasPoint(x) || HasPoint(y)) {
        const SplitParts s = SplitAtPoint(x, y);
        DigitString product = PointBack(Mul(s.ia + s.fa, s.ib + s.fb), s.fa.size() + s.fb.size());
        TrimFraction(product);
        return product;
    }
    const std::size_t za = TakeTrailingZeros(x);
    const std::size_t zb = TakeTrailingZeros(y);
    if (x.size() < y.size()) SwapDigits(x, y);
    std::string total;
    for (std::size_t i = 1; i <= y.size(); ++i) {
        const int d = y[y.size() - i] - '0';
        std::string partial;
        for (int t = 0; t < d; ++t) partial = Add(x, partial);
        total = Add(total, partial + std::string(i - 1, '0'));
    }
    return total + std::string(za + zb, '0');
}

DigitString Pow(const DigitString& a, const DigitString& n) {
    if (a == "1") return "1";
    if (n == "1") return a;
    if (a == "0" && n != "0" && !n.empty()) return "0";
    const long long c = n.empty() ? 0 : std::llround(std::stod(n));
    std::string result = "1";
    for (long long i = 0; i < c; ++i) result = Mul(a, result);
    return result;
}

DigitString IntQuot(const DigitString& a, const DigitString& b, Prompter& prompter) {
    return Divide(a, b, true, prompter);
}

DigitString Mod(const DigitString& a, const DigitString& b, Prompter& prompter) {
    return Divide(a, b, false, prompter);
}

DigitString Gcd(const DigitString& a, const DigitString& b, Prompter& prompter) {
    std::string x = a, y = b;
    if (LongCompare(x, y) == -1) SwapDigits(x, y);
    if (ZeroOrEmpty(x) || ZeroOrEmpty(y)) return "";
    const std::string r = Mod(x, y, prompter);
    if (r == "0") return y;
    return Gcd(y, r, prompter);
}

void DivStep(DigitString& r, const DigitString& q, std::int32_t& k, DigitString& digits,
             Prompter& prompter) {
    k = static_cast<std::int32_t>(q.size()) - static_cast<std::int32_t>(r.size());
    r += std::string(static_cast<std::size_t>(k), '0');
    if (LongCompare(r, q) == -1) {
        r += "0";
        ++k;
    }
    digits += std::string(static_cast<std::size_t>(k - 1), '0') + IntQuot(r, q, prompter);
    r = Mod(r, q, prompter);
}

DigitString Div(const DigitString& a0, const DigitString& b0, Prompter& prompter) {
    std::string a = a0, b = b0;
    TrimLeadingZeros(a);
    TrimLeadingZeros(b);
    if (ZeroOrEmpty(b) || b.find_first_of("123456789") == std::string::npos) {
        prompter.Show(ZeroDivisorMessage());
        return "";
    }
    if (ZeroOrEmpty(a)) return "0";
    if (a == b) return "1";
    if (b == "1") return a;
    if (HasPoint(a) || HasPoint(b)) {
        SplitParts s = SplitAtPoint(a, b);
        const std::size_t k = std::max(s.fa.size(), s.fb.size());
        s.fa.resize(k, '0');
        s.fb.resize(k, '0');
        const std::string quotient = Div(s.ia + s.fa, s.ib + s.fb, prompter);
        if (quotient.empty()) return "";
        return Finish(quotient, 0, 0);
    }
    const std::size_t tp = TakeTrailingZeros(a);
    const std::size_t tq = TakeTrailingZeros(b);
    const std::string g = Gcd(a, b, prompter);
    if (g != "1") {
        a = IntQuot(a, g, prompter);
        b = IntQuot(b, g, prompter);
    }
    if (b == "1") {
        std::string result = a;
        ShiftPointRight(result, tp);
        ShiftPointLeft(result, tq);
        return result;
    }
    std::string prefix = "0.";
    std::string r = a;
    if (LongCompare(a, b) == 1) {
        prefix = IntQuot(a, b, prompter) + ".";
        r = Mod(a, b, prompter);
    }
    int t2 = 0, t5 = 0;
    while (Mod(b, "2", prompter) == "0") {
        b = IntQuot(b, "2", prompter);
        ++t2;
    }
    while (Mod(b, "5", prompter) == "0") {
        b = IntQuot(b, "5", prompter);
        ++t5;
    }
    int m = 0;
    if (t5 < t2) {
        r = Mul(r, Pow("5", std::to_string(t2 - t5)));
        m = t2;
    } else if (t5 > t2) {
        r = Mul(r, Pow("2", std::to_string(t5 - t2)));
        m = t5;
    }
    std::string digits;
    if (b == "1") {
        digits = std::string(static_cast<std::size_t>(m) - r.size(), '0') + r;
    } else {
        prompter.Show(PrecisionNoticeMessage());
        const std::optional<std::string> answer =
            prompter.Ask(kDivisionPrecisionPrompt, kDivisionPrecisionTitle);
        if (!answer || answer->empty()) return "";
        std::string head = IntQuot(r, b, prompter);
        if (head == "0") head.clear();
        r = Mod(r, b, prompter);
        digits =
            std::string(static_cast<std::size_t>(m) - head.size(), '0') + head +
            PeriodicDigits(r, b, *answer, tp > static_cast<std::size_t>(m) ? tp - m : 0, prompter);
    }
    return Finish(prefix + digits, tp, tq);
}

DigitString Factorial(std::int32_t n) {
    std::string product = "1";
    for (std::int32_t i = 1; i <= n; ++i) product = Mul(std::to_string(i), product);
    return product;
}

DigitString Sqrt(const DigitString& a, bool& exact, Prompter& prompter) {
    std::string x = a;
    if (!HasPoint(x)) return IntegerSqrt(x, exact, prompter).text;
    TrimFraction(x);
    if (!HasPoint(x)) return Sqrt(x, exact, prompter);
    const std::size_t point = x.find('.');
    std::string i = x.substr(0, point);
    std::string f = x.substr(point + 1);
    if (f.size() % 2 == 1) f += "0";
    const std::size_t k = f.size() / 2;
    const RootDigits root = IntegerSqrt(i + f, exact, prompter);
    const std::string& r = root.text;
    if (exact) {
        if (k >= r.size()) return "0." + std::string(k - r.size(), '0') + r;
        return r.substr(0, r.size() - k) + "." + r.substr(r.size() - k);
    }
    if (r.empty()) return "";
    TrimLeadingZeros(i);
    const std::size_t r_point = r.find('.');
    const std::size_t before = r_point == std::string::npos ? r.size() : r_point;
    std::string digits = r;
    if (r_point != std::string::npos) digits.erase(r_point, 1);
    digits += std::string(before + root.decimals - digits.size(), '0');
    std::string result;
    std::size_t cut = 0;
    if (i != "0") {
        const std::size_t p = (i.size() + 1) / 2;
        result = digits.substr(0, p) + "." + digits.substr(p);
        cut = k;
    } else {
        const std::size_t z = std::min(f.find_first_not_of('0'), f.size());
        result = "0." + std::string(z / 2, '0') + digits;
        cut = before + z / 2;
    }
    result = result.substr(0, result.size() - cut);
    if (result.back() == '.') result.pop_back();
    return result;
}

}  // namespace numerel::reference
