// A stop ends a long power, factorial or root at once, not after the GMP call that computes it.
#include <gmpxx.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "core/long/long_pow.h"
#include "core/run_control.h"

namespace numerel {
namespace {

// The stop is checked against a reference process that computes n! alongside, as a product
// only (the tool also writes it in decimal): without a prompt stop the reference ends first.
// The reference takes about a second; the stop comes after 0.1 s.
TEST(LongStop, AFactorialStopsBeforeItsProductIsDone) {
    constexpr std::int32_t n = 4'000'000;  // 24.6 million digits
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t reference = fork();
    ASSERT_GE(reference, 0);
    if (reference == 0) {
        close(fds[0]);
        mpz_class product;
        mpz_fac_ui(product.get_mpz_t(), n);
        const char done = 1;
        _exit(write(fds[1], &done, 1) == 1 ? 0 : 1);
    }
    close(fds[1]);

    StopToken token;
    std::thread stopper([&token] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        token.RequestStop();
    });
    bool stopped = false;
    {
        const StopScope scope(token);
        try {
            LongFactorial(n);
        } catch (const RunStopped&) {
            stopped = true;
        }
    }
    pollfd ready{fds[0], POLLIN, 0};
    const bool reference_done = poll(&ready, 1, 0) > 0;
    stopper.join();
    kill(reference, SIGKILL);
    waitpid(reference, nullptr, 0);
    close(fds[0]);
    EXPECT_TRUE(stopped);
    EXPECT_FALSE(reference_done);
}

}  // namespace
}  // namespace numerel
