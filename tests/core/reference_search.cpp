#include "reference_search.h"

#include "core/tools/search_output.h"

namespace numerel::reference {

namespace {

double Ratio(uint128 num, uint128 den) {
    return static_cast<double>(num) / static_cast<double>(den);
}

}  // namespace

bool TrialDivisionIsPrimeOdd(uint128 n) {
    static constexpr unsigned kTable[] = {3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};
    for (const unsigned p : kTable) {
        if (n == p) return true;
    }
    if (n % 3 == 0 || n % 10 == 5) return false;
    uint128 d = 7;
    if (n % d == 0) return false;
    static constexpr unsigned kSteps[] = {4, 2, 4, 2, 4, 6, 2, 6};
    for (;;) {
        if (d * d > n) return true;
        for (const unsigned s : kSteps) {
            d += s;
            if (n % d == 0) return false;
        }
    }
}

Run Primes(uint128 a, uint128 b, bool number_items, PrimeTest prime) {
    Run run;
    const auto text_item = [&](uint128 p) {
        run.text += ToDecimalString(p) + " ";
        ++run.count;
    };
    if (a == 1 || a == 2) {
        run.text += "2 ";
        run.count = 1;
        a = 3;
    }
    if (a == 3) {
        run.text += "3 ";
        run.count += 1;
        a = 4;
    }
    a = 2 * (a / 2) + 1;
    do {
        if (prime(a)) text_item(a);
        a += 2;
    } while ((a + 1) % 6 != 0);
    const uint128 a0 = a;
    for (uint128 i = a0; i <= b - 2; i += 6) {
        for (const uint128 x : {i, i + 2}) {
            if (!prime(x)) continue;
            if (number_items) {
                run.text += " " + ToDecimalString(x) + " ";
                ++run.count;
            } else {
                text_item(x);
            }
        }
        run.progress.push_back(Ratio(i - a0, b - a0));
    }
    b = 2 * ((b - 1) / 2) + 1;
    if ((b - 1) % 6 != 0 && prime(b)) text_item(b);
    return run;
}

Run Twins(uint128 a, uint128 b, PrimeTest prime) {
    Run run;
    const auto pair = [&](uint128 p) {
        run.text += "(" + ToDecimalString(p) + "," + ToDecimalString(p + 2) + ")";
        ++run.count;
    };
    if (a == 2 || a == 3) {
        if (5 <= b) pair(3);
        if (7 <= b) pair(5);
        a = 11;
    }
    if (a == 4 || a == 5) {
        if (7 <= b) pair(5);
        a = 11;
    }
    uint128 x = 2 * (a / 2) + 1;
    while ((x - 5) % 6 != 0) x += 2;
    while (!prime(x)) x += 6;
    const uint128 x0 = x;
    for (; x + 2 <= b; x += 6) {
        if (prime(x) && prime(x + 2)) pair(x);
        // One candidate: the page's formula divides by zero; the bar is shown full.
        run.progress.push_back(b - 2 == x0 ? 1.0 : Ratio(x - x0, b - 2 - x0));
    }
    return run;
}

Run GoldbachEven(uint128 n, const std::string& left, bool one_result, PrimeTest prime) {
    Run run;
    const auto line = [&](uint128 p) {
        run.text += left + "=" + ToDecimalString(p) + "+" + ToDecimalString(n - p) + "\r\n";
        ++run.count;
    };
    const double nd = static_cast<double>(n);
    if (one_result) {
        uint128 p = 1;
        do {
            p += 2;
            run.progress.push_back(2.0 * static_cast<double>(p) / nd);
        } while (!(prime(p) && prime(n - p)));
        line(p);
        return run;
    }
    for (uint128 p = 3; p <= n - p;) {
        if (prime(p) && prime(n - p)) line(p);
        p += 2;
        run.progress.push_back(2.0 * static_cast<double>(p) / nd);
    }
    return run;
}

Run GoldbachOdd(uint128 n, bool one_result, PrimeTest prime) {
    Run run;
    const double nd = static_cast<double>(n);
    uint128 p = 1;
    uint128 q = 0;
    bool written = false;
    do {
        p += 2;
        if (!prime(p)) continue;
        for (q = p; p + 2 * q <= n; q += 2) {
            if (prime(q) && prime(n - p - q)) {
                run.text += ToDecimalString(n) + "=" + ToDecimalString(p) + "+" +
                            ToDecimalString(q) + "+" + ToDecimalString(n - p - q) + "\r\n";
                ++run.count;
                if (one_result) {
                    written = true;
                    break;
                }
            }
            run.progress.push_back(2.0 * static_cast<double>(p) / nd);
        }
    } while (one_result ? !written : p < q);
    return run;
}

}  // namespace numerel::reference
