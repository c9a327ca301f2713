// Progress reports of a long loop, thinned to a fixed number over its span.
#pragma once

#include "core/input/decimal96.h"
#include "core/result_sink.h"

namespace numerel {

// Lets a search report progress about kReports times over its span rather than at every step:
// the page formulas stay, only the number of bar updates shrinks. Inactive when fn is empty.
class ProgressThrottle {
public:
    static constexpr unsigned kReports = 1024;

    ProgressThrottle(const ProgressFn& fn, uint128 start, uint128 span)
        : fn_(fn), next_(start), step_(span / kReports > 0 ? span / kReports : 1) {}

    // True when position pos has come far enough for the next report.
    bool Due(uint128 pos) const { return fn_ && pos >= next_; }
    void Report(uint128 pos, double fraction) {
        fn_(fraction);
        next_ = pos + step_;
    }

private:
    const ProgressFn& fn_;
    uint128 next_;
    uint128 step_;
};

}  // namespace numerel
