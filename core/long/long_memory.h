// Room for GMP's work. GMP ends the process when one of its allocations fails, and its allocation
// functions must not throw; so the long operations estimate their peak first and refuse, with the
// std::bad_alloc that a failed C++ allocation gives, what would not fit.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace numerel {

// Bytes this process may still take: the least of what RLIMIT_AS and RLIMIT_DATA leave above
// its present use and the system's available memory (MemAvailable). Cost: reads three small
// /proc files.
std::uint64_t AvailableMemory();

// Throws std::bad_alloc when `bytes` more would not fit in AvailableMemory(). Small amounts pass
// without a look.
void RequireMemory(double bytes);

// Peak bytes, with a margin, of a power or factorial with a result of `digits` characters:
// GMP's product and its scratch, the conversion to text and the text.
double PowerMemory(double digits);

// The same for a square root with `digits` digits: the scaled radicand, the root and its text.
double SqrtMemory(double digits);

// The same for a division of operands of `operand_digits` digits together, giving a result of
// `result_digits` digits: the reduction of the fraction and the digits' text.
double DivisionMemory(double operand_digits, double result_digits);

// Results from this many digits on are computed in a child process (RunInChild), so that a stop
// ends even a single GMP call of seconds at once; below it the call is over within milliseconds
// and a process would cost more than it saves.
inline constexpr double kChildProcessDigits = 200'000;

// What `work` returns (the digits of a result of about `length` characters), computed as
// kChildProcessDigits says.
std::string StoppableDigits(double length, const std::function<std::string()>& work);

}  // namespace numerel
