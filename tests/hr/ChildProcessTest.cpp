#include "hr/ChildProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <unistd.h>

using namespace std::chrono_literals;
using hr::ChildResult;

namespace {

struct Case
{
    const char* name;
    std::function<bool(int)> work;
    ChildResult::Status expected;
};

} // namespace

// A child that misbehaves in any way is stopped and reported; the caller always gets control back
// shortly after the time limit.
TEST(ChildProcess, EveryWayAChildEndsIsReported)
{
    const Case cases[] = {
        {"answers", [](int fd) { return hr::writeAll(fd, "abc", 3); }, ChildResult::Status::Finished},
        {"refuses", [](int) { return false; }, ChildResult::Status::Failed},
        {"throws", [](int) -> bool { throw 1; }, ChildResult::Status::Failed},
        {"crashes", [](int) { std::raise(SIGSEGV); return true; }, ChildResult::Status::Crashed},
        {"loops forever", [](int) { for (volatile bool f = true; f;) {} return true; }, ChildResult::Status::TimedOut},
        {"sleeps silently", [](int) { for (;;) pause(); return true; }, ChildResult::Status::TimedOut},
        {"closes its output and hangs", [](int fd) { ::close(fd); for (;;) pause(); return true; },
         ChildResult::Status::TimedOut},
        {"floods its output",
         [](int fd) { char b[4096]; std::memset(b, 'x', sizeof b); for (;;) if (!hr::writeAll(fd, b, sizeof b)) return false; },
         ChildResult::Status::TooMuchOutput},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto start = std::chrono::steady_clock::now();
        const ChildResult r = hr::runInChild(c.work, 400ms, 1 << 20);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(r.status, c.expected);
        EXPECT_LT(elapsed, 1500ms);
        if (c.expected == ChildResult::Status::Finished) {
            EXPECT_EQ(r.output, QByteArray("abc"));
        }
        if (c.expected == ChildResult::Status::Crashed) {
            EXPECT_EQ(r.signal, SIGSEGV);
        }
    }
}

TEST(ChildProcess, LargeAnswerWithinTheLimitArrivesWhole)
{
    const qsizetype size = 3 * 1000 * 1000 + 7;
    const ChildResult r = hr::runInChild(
        [size](int fd) {
            QByteArray b(size, '\0');
            for (qsizetype i = 0; i < size; ++i)
                b[i] = char(i * 31);
            return hr::writeAll(fd, b.constData(), size_t(b.size()));
        },
        5s, size);
    ASSERT_EQ(r.status, ChildResult::Status::Finished);
    ASSERT_EQ(r.output.size(), size);
    for (qsizetype i = 0; i < size; i += 99991)
        ASSERT_EQ(r.output[i], char(i * 31));
}
