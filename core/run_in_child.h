// Work that a single long library call would make deaf to a stop (one GMP squaring of 10^8
// digits, primecount's pi) runs in a forked child process: a stop kills the child at once and
// leaves no CPU use behind, whatever the call is doing. The child hands its text back through a
// pipe.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <functional>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/run_control.h"

namespace numerel {

namespace detail {

inline constexpr int kChildOutOfMemory = 3;
inline constexpr int kChildFailed = 4;
inline constexpr int kPollMilliseconds = 20;

inline bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

[[noreturn]] inline void RunChild(const std::function<std::string()>& work, int fd, pid_t parent) {
    // The parent answers Ctrl+C by killing this process; the terminal's SIGINT must not end it
    // first with a status that reads as a failure.
    std::signal(SIGINT, SIG_IGN);
    // A parent that dies without a stop (killed, a second Ctrl+C) takes the work with it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(kChildFailed);
    int code = 0;
    try {
        if (!WriteAll(fd, work())) code = kChildFailed;
    } catch (const std::bad_alloc&) {
        code = kChildOutOfMemory;
    } catch (...) {
        code = kChildFailed;
    }
    // _exit: the parent's buffered output and exit handlers are not this copy's to run.
    _exit(code);
}

// Owns the child and the read end of its pipe; a child still running when this goes is killed.
class Child {
public:
    Child(pid_t pid, int fd) : pid_(pid), fd_(fd) {}
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() {
        close(fd_);
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            Wait();
        }
    }
    int Fd() const { return fd_; }
    int Wait() {
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = 0;
        return status;
    }

private:
    pid_t pid_;
    int fd_;
};

}  // namespace detail

// Runs `work` in a child process and returns the text it returned, polling stop about every
// 20 ms meanwhile: on a stop the child is killed and RunStopped thrown. A child that runs out of
// memory (std::bad_alloc, or the abort that GMP ends a failed allocation with) gives
// std::bad_alloc, any other failure std::runtime_error. When no child can be made, `work` runs
// here. `size_hint`: the text's expected size, reserved up front. `waiting`, if set, is called at
// every poll while the child runs (a progress estimate, say).
// The child is a copy of the calling thread alone: `work` may compute and allocate, but must not
// wait for anything another thread of this process holds.
inline std::string RunInChild(const std::function<std::string()>& work, std::size_t size_hint = 0,
                              const std::function<void()>& waiting = {}) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return work();
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return work();
    }
    if (pid == 0) {
        close(fds[0]);
        detail::RunChild(work, fds[1], parent);
    }
    close(fds[1]);
    detail::Child child(pid, fds[0]);
    // Fewer wake-ups for a long text; the default size works too.
    fcntl(child.Fd(), F_SETPIPE_SZ, 1 << 20);
    std::string text;
    text.reserve(size_hint);
    constexpr std::size_t kChunk = 1 << 20;
    for (;;) {
        pollfd ready{child.Fd(), POLLIN, 0};
        const int polled = poll(&ready, 1, detail::kPollMilliseconds);
        PollStop();
        if (waiting) waiting();
        if (polled < 0 && errno != EINTR) throw std::runtime_error("poll failed");
        if (polled <= 0) continue;
        const std::size_t size = text.size();
        text.resize(size + kChunk);
        const ssize_t n = read(child.Fd(), text.data() + size, kChunk);
        text.resize(size + static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
        if (n == 0) break;
        if (n < 0 && errno != EINTR) throw std::runtime_error("read failed");
    }
    const int status = child.Wait();
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return text;
    if ((WIFEXITED(status) && WEXITSTATUS(status) == detail::kChildOutOfMemory) ||
        (WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT)) {
        throw std::bad_alloc();
    }
    throw std::runtime_error("the computing process failed");
}

// Runs each of `works` in a child process of its own, all at once, every fork made here on the
// calling thread: a fork while another of our threads is inside the allocator can leave the
// child waiting on the allocator's lock forever (the sanitizers' allocator has no fork guard).
// `finished(i, text)` receives what child i returned, as it ends, and returns true to end the
// others (they are killed). A child that fails, or that cannot be made, gives nothing. Stops as
// RunInChild does; `waiting`, if set, is called at every poll. Returns how many children were made.
inline std::size_t RunInChildren(
    const std::vector<std::function<std::string()>>& works,
    const std::function<bool(std::size_t, const std::string&)>& finished,
    const std::function<void()>& waiting = {}) {
    struct Running {
        std::unique_ptr<detail::Child> child;
        std::size_t index;
        std::string text;
    };
    std::vector<Running> running;
    const pid_t parent = getpid();
    for (std::size_t i = 0; i < works.size(); ++i) {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) continue;
        const pid_t pid = fork();
        if (pid < 0) {
            close(fds[0]);
            close(fds[1]);
            continue;
        }
        if (pid == 0) {
            close(fds[0]);
            detail::RunChild(works[i], fds[1], parent);
        }
        close(fds[1]);
        running.push_back({std::make_unique<detail::Child>(pid, fds[0]), i, {}});
    }
    const std::size_t made = running.size();
    while (!running.empty()) {
        std::vector<pollfd> ready;
        for (const Running& r : running) ready.push_back({r.child->Fd(), POLLIN, 0});
        const int polled = poll(ready.data(), ready.size(), detail::kPollMilliseconds);
        PollStop();
        if (waiting) waiting();
        if (polled < 0 && errno != EINTR) throw std::runtime_error("poll failed");
        for (std::size_t k = ready.size(); k-- > 0;) {
            if (ready[k].revents == 0) continue;
            Running& r = running[k];
            char buffer[4096];
            const ssize_t n = read(r.child->Fd(), buffer, sizeof buffer);
            if (n > 0) {
                r.text.append(buffer, static_cast<std::size_t>(n));
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            const int status = r.child->Wait();
            const bool succeeded = n == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
            const std::size_t index = r.index;
            const std::string text = std::move(r.text);
            running.erase(running.begin() + static_cast<std::ptrdiff_t>(k));
            if (succeeded && finished(index, text)) return made;
        }
    }
    return made;
}

}  // namespace numerel
