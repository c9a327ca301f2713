#include "core/long/long_expansion.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/long/long_kernel.h"
#include "core/run_control.h"

namespace numerel {

namespace {

__extension__ typedef unsigned __int128 u128;

constexpr std::uint64_t kTen19 = 10'000'000'000'000'000'000ULL;
constexpr std::size_t kWindow = 20;
constexpr std::size_t kWindowStart = 10;
constexpr std::size_t kFirstPhase = 30;

// (hi:lo) / d with hi < d: the quotient fits 64 bits, so one hardware division does it.
inline std::uint64_t Divide128(std::uint64_t hi, std::uint64_t lo, std::uint64_t d,
                               std::uint64_t& remainder) {
#if defined(__x86_64__)
    std::uint64_t quotient;
    __asm__("divq %4" : "=a"(quotient), "=d"(remainder) : "a"(lo), "d"(hi), "rm"(d));
    return quotient;
#else
    const u128 n = (static_cast<u128>(hi) << 64) | lo;
    remainder = static_cast<std::uint64_t>(n % d);
    return static_cast<std::uint64_t>(n / d);
#endif
}

// Writes value as exactly `width` digits (leading zeros) at out.
void WriteFixed(std::uint64_t value, std::size_t width, char* out) {
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    std::size_t i = width;
    while (i >= 2) {
        const std::size_t pair = static_cast<std::size_t>(value % 100) * 2;
        value /= 100;
        out[--i] = kPairs[pair + 1];
        out[--i] = kPairs[pair];
    }
    if (i == 1) out[0] = static_cast<char>('0' + value % 10);
}

std::uint64_t PowerOfTen(std::size_t n) {
    std::uint64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// The end (relative to base) of the first step ending at or after `target` (>= 1) digits after
// base: just after the first non-zero digit at relative index target - 1 or later. Generates
// digits as needed.
std::size_t StepEndAtOrAfter(ExpansionDigits& digits, std::string& text, std::size_t base,
                             std::size_t target) {
    if (text.size() < base + target) digits.Append(base + target - text.size(), text);
    std::size_t from = base + target - 1;
    for (;;) {
        const std::size_t nonzero = text.find_first_not_of('0', from);
        if (nonzero != std::string::npos) return nonzero + 1 - base;
        from = text.size();
        digits.Append(64, text);
    }
}

// Machine divisions between two looks at the stop request: about a millisecond of digits.
constexpr std::size_t kBlocksPerPoll = 1 << 14;

}  // namespace

ExpansionDigits::ExpansionDigits(const mpz_class& r, const mpz_class& q)
    : small_(mpz_fits_ulong_p(q.get_mpz_t()) != 0), r_(r), q_(q) {
    if (small_) {
        r64_ = mpz_get_ui(r.get_mpz_t());
        q64_ = mpz_get_ui(q.get_mpz_t());
    }
    q_digits_ = mpz_sizeinbase(q.get_mpz_t(), 10);
}

void ExpansionDigits::Append(std::size_t count, std::string& out) {
    if (count == 0) return;
    if (small_) {
        AppendSmall(count, out);
    } else {
        AppendLarge(count, out);
    }
}

void ExpansionDigits::AppendSmall(std::size_t count, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + count);
    char* cursor = out.data() + start;
    std::uint64_t r = r64_;
    std::size_t blocks = 0;
    while (count > 0) {
        if (++blocks % kBlocksPerPoll == 0) PollStop();
        const std::size_t width = std::min<std::size_t>(count, 19);
        const std::uint64_t scale = width == 19 ? kTen19 : PowerOfTen(width);
        const u128 scaled = static_cast<u128>(r) * scale;
        const std::uint64_t block = Divide128(static_cast<std::uint64_t>(scaled >> 64),
                                              static_cast<std::uint64_t>(scaled), q64_, r);
        WriteFixed(block, width, cursor);
        cursor += width;
        count -= width;
    }
    r64_ = r;
}

void ExpansionDigits::AppendLarge(std::size_t count, std::string& out) {
    // Short chunks keep the radix conversion of each block cheap; a long divisor needs chunks
    // longer than itself for the division to pay.
    const std::size_t chunk_limit = std::max<std::size_t>(4 * q_digits_, 2048);
    mpz_class block;
    while (count > 0) {
        PollStop();
        const std::size_t width = std::min(count, chunk_limit);
        if (width != power_exponent_) {
            mpz_ui_pow_ui(power_.get_mpz_t(), 10, width);
            power_exponent_ = width;
        }
        r_ *= power_;
        mpz_tdiv_qr(block.get_mpz_t(), r_.get_mpz_t(), r_.get_mpz_t(), q_.get_mpz_t());
        if (block == 0) {
            out.append(width, '0');
        } else {
            const std::string text = MpzToDigits(block);
            out.append(width - text.size(), '0');
            out.append(text);
        }
        count -= width;
    }
}

std::string ExpansionToPrecision(const mpz_class& r, const mpz_class& q, double n) {
    std::string text;
    AppendExpansionToPrecision(r, q, n, 0, text);
    return text;
}

void AppendExpansionToPrecision(const mpz_class& r, const mpz_class& q, double n,
                                std::size_t min_length, std::string& out) {
    ExpansionDigits digits(r, q);
    const std::size_t base = out.size();
    const std::size_t target =
        std::max(n > 1.0 ? static_cast<std::size_t>(std::ceil(n)) : 1, min_length);
    out.reserve(base + target + 32);
    out.resize(base + StepEndAtOrAfter(digits, out, base, target));
}

std::string ExpansionUntilRepeat(const mpz_class& r, const mpz_class& q, bool* stopped,
                                 std::size_t limit) {
    std::string text;
    *stopped = AppendExpansionUntilRepeat(r, q, 0, text, limit);
    return text;
}

bool AppendExpansionUntilRepeat(const mpz_class& r, const mpz_class& q, std::size_t min_length,
                                std::string& out, std::size_t limit) {
    ExpansionDigits digits(r, q);
    const std::size_t base = out.size();
    const std::size_t first_end = StepEndAtOrAfter(digits, out, base, kFirstPhase);
    const std::string window = out.substr(base + kWindowStart, kWindow);
    // The earliest occurrence leaves the most room for a second one after it.
    const std::size_t first = out.find(window, base);
    std::size_t search_from = first + kWindow;
    std::size_t chunk = 64;
    for (;;) {
        const std::size_t second = out.find(window, search_from);
        if (second != std::string::npos) {
            const std::size_t end = std::max({first_end + 1, second + kWindow - base, min_length});
            out.resize(base + StepEndAtOrAfter(digits, out, base, end));
            return false;
        }
        if (out.size() >= kWindow) search_from = std::max(search_from, out.size() - kWindow + 1);
        const std::size_t produced = out.size() - base;
        if (produced >= limit) {
            out.resize(base + StepEndAtOrAfter(digits, out, base, std::max(limit, min_length)));
            return true;
        }
        digits.Append(std::min(chunk, limit - produced), out);
        chunk = std::min<std::size_t>(chunk * 2, std::size_t{1} << 20);
    }
}

}  // namespace numerel
