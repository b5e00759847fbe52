#include "hr/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace hr {

namespace {

using Clock = std::chrono::steady_clock;

// Limits that hold even if the parent could not kill the child: no core file, a CPU budget a
// little above the wall-clock limit, and (outside sanitizer builds) a cap on address space.
void limitChild(std::chrono::milliseconds timeLimit)
{
    rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
    const rlim_t cpuSeconds = rlim_t(timeLimit.count() / 1000 + 2);
    rlimit cpu{cpuSeconds, cpuSeconds + 1};
    setrlimit(RLIMIT_CPU, &cpu);
#if !defined(__SANITIZE_ADDRESS__)
#if defined(__has_feature)
#if !__has_feature(address_sanitizer)
#define KZP_HR_LIMIT_AS 1
#endif
#else
#define KZP_HR_LIMIT_AS 1
#endif
#endif
#ifdef KZP_HR_LIMIT_AS
    const rlim_t oneGiB = rlim_t(1) << 30;
    rlimit as{oneGiB, oneGiB};
    setrlimit(RLIMIT_AS, &as);
#endif
}

[[noreturn]] void childMain(int fd, const std::function<bool(int)>& work, std::chrono::milliseconds timeLimit)
{
    limitChild(timeLimit);
    signal(SIGPIPE, SIG_DFL);
    bool ok = false;
    try {
        ok = work(fd);
    } catch (...) {
        ok = false;
    }
    ::close(fd);
    _exit(ok ? 0 : 1);
}

void killAndReap(pid_t pid)
{
    ::kill(pid, SIGKILL);
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// Waits for the child to end until the deadline; true with its status when it did.
bool reapUntil(pid_t pid, Clock::time_point deadline, int& status)
{
    for (;;) {
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid)
            return true;
        if (r < 0 && errno != EINTR)
            return false;
        if (Clock::now() >= deadline)
            return false;
        timespec pause{0, 1'000'000};
        nanosleep(&pause, nullptr);
    }
}

} // namespace

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

ChildResult runInChild(const std::function<bool(int fd)>& work, std::chrono::milliseconds timeLimit,
                       qsizetype outputLimit)
{
    ChildResult result;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return result;

    const auto deadline = Clock::now() + timeLimit;
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return result;
    }
    if (pid == 0) {
        ::close(fds[0]);
        childMain(fds[1], work, timeLimit);
    }
    ::close(fds[1]);

    char buffer[65536];
    bool endOfOutput = false;
    while (!endOfOutput) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            ::close(fds[0]);
            killAndReap(pid);
            result.status = ChildResult::Status::TimedOut;
            return result;
        }
        pollfd p{fds[0], POLLIN, 0};
        const int ready = ::poll(&p, 1, int(left.count()));
        if (ready < 0 && errno != EINTR) {
            ::close(fds[0]);
            killAndReap(pid);
            result.status = ChildResult::Status::Failed;
            return result;
        }
        if (ready <= 0)
            continue;
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            endOfOutput = true;
        } else if (n == 0) {
            endOfOutput = true;
        } else {
            if (result.output.size() + n > outputLimit) {
                ::close(fds[0]);
                killAndReap(pid);
                result.output.clear();
                result.status = ChildResult::Status::TooMuchOutput;
                return result;
            }
            result.output.append(buffer, n);
        }
    }
    ::close(fds[0]);

    int status = 0;
    if (!reapUntil(pid, deadline, status)) {
        killAndReap(pid);
        result.status = ChildResult::Status::TimedOut;
        return result;
    }
    if (WIFSIGNALED(status)) {
        result.status = ChildResult::Status::Crashed;
        result.signal = WTERMSIG(status);
    } else if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        result.status = ChildResult::Status::Finished;
    } else {
        result.status = ChildResult::Status::Failed;
    }
    return result;
}

} // namespace hr
