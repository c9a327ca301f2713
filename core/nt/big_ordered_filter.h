// Deciding a run of candidates on every core while the caller sees the winners in their own order:
// the engine behind the large interval and partition searches, whose proofs cost milliseconds to
// minutes each.
#pragma once

#include <cstddef>
#include <functional>

namespace numerel {

// Runs test(i) for i = 0 .. count - 1 on std::thread::hardware_concurrency() threads (the calling
// thread among them) and calls emit(i) on the calling thread for every i whose test passed, in
// increasing i, as soon as every earlier test is decided. emit returns whether to go on; false
// ends the run once the tests under way are done (their results are dropped).
// test must be safe to run on several threads at once; the helpers run it inside the caller's
// StopScope. Stop: polled between tests (and by whatever test polls); the passes decided before
// the first undecided index are emitted, then RunStopped is thrown. An exception from test or
// emit is rethrown on the calling thread after every helper has ended. Cost: count tests spread
// over the cores, a thread start per call.
void FilterInOrder(std::size_t count, const std::function<bool(std::size_t)>& test,
                   const std::function<bool(std::size_t)>& emit);

}  // namespace numerel
