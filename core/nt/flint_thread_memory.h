// FLINT keeps memory pools per thread and frees a thread's only when that thread asks: every
// thread we start that calls FLINT holds one of these, so ending the thread hands its pool back
// (a window that runs many searches would otherwise grow by megabytes a run).
#pragma once

#include <flint/flint.h>

namespace numerel {

class FlintThreadMemory {
public:
    FlintThreadMemory() = default;
    FlintThreadMemory(const FlintThreadMemory&) = delete;
    FlintThreadMemory& operator=(const FlintThreadMemory&) = delete;
    ~FlintThreadMemory() { flint_cleanup(); }
};

}  // namespace numerel
