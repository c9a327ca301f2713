#include "reference_factor.h"

#include <cmath>

namespace numerel::reference {

namespace {

// The steps between the divisors of one round of 48, 17 to 223, and on to the next round.
constexpr int kWheel210Steps[48] = {2, 4, 6, 2, 6, 4, 2, 4, 6, 6, 2, 6,  4, 2,  6, 4,
                                    6, 8, 4, 2, 4, 2, 4, 8, 6, 4, 6, 2,  4, 6,  2, 6,
                                    6, 4, 2, 4, 6, 2, 6, 4, 2, 4, 2, 10, 2, 10, 2, 4};
constexpr int kWheel30Steps[8] = {4, 2, 4, 2, 4, 6, 2, 6};

double Sqrt(std::uint64_t n) {
    return std::sqrt(static_cast<double>(n));
}

int Remove(std::uint64_t& m, std::uint64_t d) {
    int s = 0;
    while (m % d == 0) {
        m /= d;
        ++s;
    }
    return s;
}

void PaneAppendFactor(std::string& out, int s, std::uint64_t d, std::uint64_t m) {
    if (s > 1) {
        out += std::to_string(d) + "^" + std::to_string(s);
        if (m != 1) out += "×";
    } else if (s == 1) {
        out += std::to_string(d);
        if (m != 1) out += "×";
    }
}

void FileAppendFactor(std::string& out, int s, std::uint64_t d, std::uint64_t c) {
    if (s > 1 && c != 1) out += std::to_string(d) + "^" + std::to_string(s) + "×";
    if (s > 1 && c == 1) out += std::to_string(d) + "^" + std::to_string(s) + "\r\n";
    if (s == 1 && c != 1) out += std::to_string(d) + "×";
    if (s == 1 && c == 1) out += std::to_string(d) + "\r\n";
}

}  // namespace

bool LiteralIsPrimeOdd(std::uint64_t n) {
    for (const std::uint64_t p : {3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47})
        if (n == p) return true;
    if (n % 3 == 0 || n % 10 == 5) return false;
    std::uint64_t d = 7;
    if (n % 7 == 0) return false;
    for (;;) {
        if (Sqrt(n) < static_cast<double>(d)) return true;
        for (const int s : kWheel30Steps) {
            d += s;
            if (n % d == 0) return false;
        }
    }
}

std::string LiteralFactorOne(const std::string& text1, std::uint64_t v,
                             std::vector<double>* progress) {
    std::uint64_t m = v;
    if (m == 1) return "1=既不是素数,也不是合数";
    if (m == 2 || m == 3 || m == 5 || m == 7 || m == 11 || m == 13)
        return std::to_string(m) + "=素数";
    std::string out = text1 + "=";
    for (const std::uint64_t d : {2, 3, 5, 7, 11, 13}) {
        const int s = Remove(m, d);
        PaneAppendFactor(out, s, d, m);
    }
    const double span = static_cast<double>(m);
    std::uint64_t d = 17;
    while (Sqrt(m) >= static_cast<double>(d)) {
        std::uint64_t divisor = d;
        for (int i = 0; i < 48; ++i) {
            const int s = Remove(m, divisor);
            PaneAppendFactor(out, s, divisor, m);
            divisor += kWheel210Steps[i];
        }
        d = divisor;
        if (progress) progress->push_back(static_cast<double>(d) * static_cast<double>(d) / span);
    }
    if (m != 1 && m != v) out += std::to_string(m);
    if (m == v) out += "素数";
    return out;
}

std::string LiteralFactorRange(std::uint64_t a, std::uint64_t b, std::vector<double>* progress) {
    static const char* const kFixed[] = {
        "1=既不是素数,也不是合数", "2=素数", "3=素数", "4=2^2", "5=素数", "6=2×3", "7=素数"};
    std::string out;
    for (std::uint64_t k = 1; k <= 7; ++k) {
        if (a == k && k <= b) {
            out += std::string(kFixed[k - 1]) + "\r\n";
            a = a + 1;
        }
    }
    const std::uint64_t first = a;
    for (std::uint64_t i = first; i <= b; ++i) {
        std::uint64_t c = i;
        out += std::to_string(i) + "=";
        for (const std::uint64_t d : {2, 3, 5, 7}) {
            const int s = Remove(c, d);
            FileAppendFactor(out, s, d, c);
        }
        std::uint64_t d = 7;
        while (Sqrt(c) >= static_cast<double>(d)) {
            for (const int step : kWheel30Steps) {
                d += step;
                const int s = Remove(c, d);
                FileAppendFactor(out, s, d, c);
            }
        }
        if (c != 1 && c != i) out += std::to_string(c) + "\r\n";
        if (c == i) {
            out += "素数\r\n";
            if (progress)
                progress->push_back(static_cast<double>(i - first) /
                                    static_cast<double>(b - first));
        }
    }
    return out;
}

LiteralDivisorsRun LiteralDivisors(std::uint64_t a, std::uint64_t b, bool perfect_only,
                                   const std::string& separator) {
    LiteralDivisorsRun run;
    int count = 0;
    for (std::uint64_t n = a; n <= b; ++n) {
        if (!perfect_only) run.text += " " + std::to_string(n) + " 的因数有:";
        std::uint64_t sum = 0;
        std::uint64_t d = 1;
        const std::uint64_t step = n % 2 == 0 ? 1 : 2;
        while (static_cast<double>(d) <= Sqrt(n)) {
            if (n % d == 0) {
                if (!perfect_only)
                    run.text += "(" + std::to_string(d) + "," + std::to_string(n / d) + ")";
                sum += d + n / d;
            }
            d += step;
        }
        if (sum == 2 * n) {
            ++count;
            run.text += "●" + std::to_string(n) + "是完全数\r\n";
            run.summary += std::to_string(n) + separator;
        }
        if (!perfect_only) run.text += "\r\n";
    }
    run.summary += "共" + std::to_string(count) + "个";
    return run;
}

}  // namespace numerel::reference
