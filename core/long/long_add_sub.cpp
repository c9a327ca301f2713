#include "core/long/long_add_sub.h"

#include <algorithm>

#include "core/long/long_kernel.h"

namespace numerel {

namespace {

// Both fraction parts padded with trailing zeros to the longer one; returns that length.
std::size_t PadFractions(SplitParts& parts) {
    const std::size_t k = std::max(parts.fa.size(), parts.fb.size());
    parts.fa.resize(k, '0');
    parts.fb.resize(k, '0');
    return k;
}

}  // namespace

DigitString LongAdd(const DigitString& a, const DigitString& b) {
    if (IsZeroOrEmpty(a)) return b;
    if (IsZeroOrEmpty(b)) return a;
    if (HasPoint(a) || HasPoint(b)) {
        DigitString x = a;
        DigitString y = b;
        SplitParts parts = SplitAtPoint(x, y);
        const std::size_t k = PadFractions(parts);
        DigitString sum = PlacePointFromRight(LongAdd(parts.ia + parts.fa, parts.ib + parts.fb), k);
        TrimFraction(sum);
        return sum;
    }
    return AddDigitTexts(a, b);
}

DigitString LongSub(const DigitString& a, const DigitString& b) {
    DigitString x = a;
    DigitString y = b;
    TrimLeadingZeros(x);
    TrimLeadingZeros(y);
    if (IsZeroOrEmpty(y)) return x;
    if (x == y) return "0";
    if (HasPoint(x) || HasPoint(y)) {
        SplitParts parts = SplitAtPoint(x, y);
        const std::size_t k = PadFractions(parts);
        DigitString difference = LongSub(parts.ia + parts.fa, parts.ib + parts.fb);
        const bool negative = difference.starts_with('-');
        if (negative) difference.erase(0, 1);
        difference = PlacePointFromRight(difference, k);
        TrimFraction(difference);
        if (negative && difference != "0") difference.insert(0, 1, '-');
        return difference;
    }
    if (x.empty()) x.assign(1, '0');
    if (CompareDigitTexts(x, y) >= 0) return SubDigitTexts(x, y);
    DigitString negative = SubDigitTexts(y, x);
    negative.insert(negative.begin(), '-');
    return negative;
}

}  // namespace numerel
