#pragma once

#include <QByteArray>

#include <chrono>
#include <functional>

namespace hr {

// Runs a piece of work in a forked child process, so that a library that loops forever or crashes
// on bad input takes only the child with it. The work writes its answer to the file descriptor it
// is given; the parent collects it under a time limit and a size limit and kills the child when
// either is exceeded. Fork only while the calling process has no other threads doing work.
struct ChildResult
{
    enum class Status {
        Finished,      // the work returned true and the child exited normally
        Failed,        // the work returned false (or threw)
        Crashed,       // the child ended by a signal
        TimedOut,      // killed at the time limit
        TooMuchOutput, // killed when its answer grew past the size limit
        CouldNotStart  // pipe or fork failed
    };
    Status status = Status::CouldNotStart;
    QByteArray output;
    int signal = 0; // the signal that ended a crashed child
};

ChildResult runInChild(const std::function<bool(int fd)>& work, std::chrono::milliseconds timeLimit,
                       qsizetype outputLimit);

// Writes all of data to fd; false when the descriptor refuses.
bool writeAll(int fd, const char* data, size_t size);

} // namespace hr
