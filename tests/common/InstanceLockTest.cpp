#include "common/InstanceLock.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using kzp::InstanceLock;

TEST(InstanceLock, SecondCopyOnTheSameFolderIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir dir;
    InstanceLock first;
    ASSERT_TRUE(first.acquire(dir.path()));

    // Another process is refused while the first holds the folder.
    const pid_t child = fork();
    if (child == 0) {
        InstanceLock second;
        _exit(second.acquire(dir.path()) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the second copy took the lock";

    InstanceLock again;
    EXPECT_FALSE(again.acquire(dir.path()));
    EXPECT_TRUE(again.errorText().contains("już uruchomiony"));

    first.release();
    EXPECT_TRUE(again.acquire(dir.path()));
}

TEST(InstanceLock, MissingFolderIsReportedNotCreated)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("nie-ma");
    InstanceLock lock;
    EXPECT_FALSE(lock.acquire(missing));
    EXPECT_TRUE(lock.errorText().startsWith("Brak folderu danych"));
    EXPECT_FALSE(QDir(missing).exists());
}
