#include <csignal>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/run_control.h"

namespace {

// Ctrl+C and a closed stdout both ask the running tool to stop; a search then ends its output
// with the stop line, other tools unwind at their next poll.
numerel::StopToken g_stop;
volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int) {
    g_interrupted = 1;
    g_stop.RequestStop();
    std::signal(SIGINT, SIG_DFL);  // a second Ctrl+C ends the program at once
}

// Passes stdout through unchanged and asks for a stop once a write fails, e.g. when the reader
// of a pipe has gone (`| head -n 1`): with SIGPIPE ignored the write returns EPIPE instead.
class StopOnWriteFailure final : public std::streambuf {
public:
    explicit StopOnWriteFailure(std::streambuf* inner) : inner_(inner) {}

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        if (traits_type::eq_int_type(inner_->sputc(traits_type::to_char_type(c)),
                                     traits_type::eof())) {
            g_stop.RequestStop();
            return traits_type::eof();
        }
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        const std::streamsize written = inner_->sputn(s, n);
        if (written < n) g_stop.RequestStop();
        return written;
    }
    int sync() override {
        if (inner_->pubsync() == 0) return 0;
        g_stop.RequestStop();
        return -1;
    }

private:
    std::streambuf* inner_;
};

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGINT, OnInterrupt);
    StopOnWriteFailure out_buffer(std::cout.rdbuf());
    std::ostream out(&out_buffer);
    const numerel::StopScope scope(g_stop);
    const std::vector<std::string> args(argv + 1, argv + argc);
    int status = numerel::cli::RunCli(args, out, std::cerr);
    out.flush();
    if (g_interrupted != 0) {
        status = numerel::cli::kExitInterrupted;
    } else if (!out) {
        status = numerel::cli::kExitRejected;  // the output went nowhere
    }
    return status;
}
