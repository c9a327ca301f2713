// Comparing a fast search with the literal reference of its page loop.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/result_sink.h"
#include "core/tools/search_output.h"
#include "reference_search.h"

namespace numerel::reference {

// What a fast search produced: streamed text, summary and every progress value reported.
struct FastRun {
    std::string text;
    SearchSummary summary;
    std::vector<double> progress;
};

template <class RunFn>
FastRun RunFast(RunFn&& run) {
    FastRun result;
    StringSink sink;
    const ProgressFn progress = [&result](double f) { result.progress.push_back(f); };
    result.summary = run(sink, progress);
    result.text = sink.Text();
    return result;
}

// The fast search reports only values the page's loop sets, in the loop's order, and reports
// some where the loop does: a bar that never moves is a fault too.
inline testing::AssertionResult ProgressIsSubsequence(const std::vector<double>& fast,
                                                      const std::vector<double>& page) {
    if (fast.empty() && !page.empty()) {
        return testing::AssertionFailure()
               << "no progress reported; the page's loop sets " << page.size() << " values";
    }
    std::size_t j = 0;
    for (std::size_t i = 0; i < fast.size(); ++i) {
        while (j < page.size() && page[j] != fast[i]) ++j;
        if (j == page.size()) {
            return testing::AssertionFailure()
                   << "progress value " << fast[i] << " (report " << i << " of " << fast.size()
                   << ") is not set by the page's loop in this order";
        }
    }
    return testing::AssertionSuccess();
}

inline void ExpectSameRun(const FastRun& fast, const Run& page) {
    EXPECT_EQ(fast.text, page.text);
    EXPECT_EQ(fast.summary.count, page.count);
    EXPECT_TRUE(ProgressIsSubsequence(fast.progress, page.progress));
}

}  // namespace numerel::reference
