// A bounded run of GMP-ECM's library: curves of the elliptic-curve method or one p-1 run, with
// the stop token and a periodic tick polled from inside the library.
#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <functional>

namespace numerel {

// Called from inside the library every few milliseconds of work (GMP-ECM's stop hook), on the
// calling thread. Must not throw.
using EcmTick = std::function<void()>;

// A nontrivial divisor of the odd composite n found by p-1 with stage-1 bound b1 (default
// stage 2), or 0 when none was found or the run was stopped (StopRequested() then says so).
// Stage 1 does not poll the stop token: keep b1 * M(n) to a fraction of a second.
mpz_class PMinus1Split(const mpz_class& n, double b1, const EcmTick& tick);

// A nontrivial divisor of the odd composite n found by up to `curves` ECM curves with stage-1
// bound b1, or 0 when none was found or the run was stopped. Curve parameters come from *seed,
// which advances by `curves`, so that runs are reproducible. From a tenth of a second of curves
// they are dealt out to a child process per core (RunInChildren). Cost: per curve about
// b1 * 10 multiplications modulo n, plus a stage 2 of similar cost.
mpz_class EcmSplit(const mpz_class& n, double b1, int curves, std::uint64_t* seed,
                   const EcmTick& tick);

}  // namespace numerel
