// The lines of both Goldbach tools, on either path: "left=p+q(+r)" until the sink's budget is
// used up, then only counted.
#pragma once

#include <string>
#include <utility>

#include "core/input/decimal96.h"
#include "core/result_sink.h"
#include "core/run_control.h"
#include "core/tools/search_output.h"

namespace numerel {

class PartitionLines {
public:
    PartitionLines(ResultSink& sink, std::string left) : out_(sink), left_(std::move(left)) {}
    // The terms: any mix of uint64, uint128 and mpz_class values.
    template <class... Terms>
    void Write(const Terms&... terms) {
        ++summary_.count;
        if (summary_.cut) return;
        std::string& text = out_.Buffer();
        text += left_;
        char separator = '=';
        ((text += separator, AppendDecimal(text, terms), separator = '+'), ...);
        out_.EndLine();
        if (out_.Full()) {
            summary_.cut = true;
            kept_ = summary_.count;
        }
    }
    // Runs the walk; a stop ends it with what was found so far.
    template <class Walk>
    SearchSummary Run(Walk&& walk) {
        try {
            walk();
        } catch (const RunStopped&) {
            summary_.stopped = true;
        }
        FinishSearchText(out_, summary_, "种", kept_);
        return summary_;
    }

private:
    SinkWriter out_;
    std::string left_;
    SearchSummary summary_;
    std::uint64_t kept_ = 0;
};

}  // namespace numerel
