#include "core/long/long_memory.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <new>
#include <string>

#include "core/run_in_child.h"

namespace numerel {

namespace {

constexpr std::uint64_t kUnknown = std::numeric_limits<std::uint64_t>::max();
constexpr double kMiB = 1024.0 * 1024.0;

// The value in kB of the line "key: N kB" of a /proc file, in bytes; kUnknown without one.
std::uint64_t ProcKilobytes(const char* path, const std::string& key) {
    std::ifstream in(path);
    std::string name;
    std::uint64_t kb = 0;
    std::string unit;
    while (in >> name >> kb >> unit) {
        if (name == key) return kb * 1024;
    }
    return kUnknown;
}

// What a soft limit leaves above `used`; kUnknown when it is unlimited or unreadable.
std::uint64_t Headroom(int resource, std::uint64_t used) {
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return kUnknown;
    const auto cap = static_cast<std::uint64_t>(limit.rlim_cur);
    if (used == kUnknown) return cap;
    return cap > used ? cap - used : 0;
}

}  // namespace

std::uint64_t AvailableMemory() {
    const std::uint64_t vm_size = ProcKilobytes("/proc/self/status", "VmSize:");
    const std::uint64_t vm_data = ProcKilobytes("/proc/self/status", "VmData:");
    std::uint64_t room = ProcKilobytes("/proc/meminfo", "MemAvailable:");
    room = std::min(room, Headroom(RLIMIT_AS, vm_size));
    room = std::min(room, Headroom(RLIMIT_DATA, vm_data));
    return room;
}

void RequireMemory(double bytes) {
    // Below this, what a refusal would protect is lost in the noise of the rest of the program.
    if (!(bytes > 4 * kMiB)) return;
    const std::uint64_t room = AvailableMemory();
    if (room != kUnknown && bytes > static_cast<double>(room)) throw std::bad_alloc();
}

// Bytes per result digit: the least address space numerel-cli needed, above its own, measured
// under ulimit -v (4.3 for powers and factorials, 5.8 for roots, 1.0 for the digits of a
// division: GMP's binary form is about 0.42 bytes a digit, its scratch and the texts the rest),
// with a margin.
double PowerMemory(double digits) {
    return 5.0 * digits + 8 * kMiB;
}

double SqrtMemory(double digits) {
    return 7.0 * digits + 8 * kMiB;
}

double DivisionMemory(double operand_digits, double result_digits) {
    return 4.0 * operand_digits + 1.5 * result_digits + 8 * kMiB;
}

std::string StoppableDigits(double length, const std::function<std::string()>& work) {
    if (!(length >= kChildProcessDigits)) return work();
    return RunInChild(work, static_cast<std::size_t>(length) + 16);
}

}  // namespace numerel
