// A process killed in the middle of a transaction that spans the working directory's database and a
// fund's database leaves both as they were before that transaction: never one written without the other.
#include "StoreFixture.h"

#include "store/Statement.h"
#include "store/Transaction.h"

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace store;

namespace {

qint64 scalar(Database& db, const QString& sql);

[[noreturn]] void writePairsForever(const QString& workDir, const QString& fundFolder)
try {
    Database db;
    db.open(workDir);
    Tables tables(db);
    const QString work = tables.qualified({workDir, "W"});
    const QString fund = tables.qualified({fundFolder, "F"});
    for (qint64 n = scalar(db, "SELECT coalesce(max(Nr),0) FROM " + work) + 1;; ++n) {
        Transaction tx(db);
        Statement a = db.prepare("INSERT INTO " + work + " (Nr, Nazwisko) VALUES (?, 'para')");
        a.bindInt(1, n);
        a.exec();
        Statement b = db.prepare("INSERT INTO " + fund + " (Nr, Nazwisko) VALUES (?, 'para')");
        b.bindInt(1, n);
        b.exec();
        tx.commit();
    }
} catch (...) {
    _exit(3);
}

qint64 scalar(Database& db, const QString& sql)
{
    Statement q = db.prepare(sql);
    q.step();
    return q.int64(0);
}

QString integrity(Database& db, const QString& schema)
{
    Statement q = db.prepare(QString("PRAGMA %1.integrity_check").arg(schema));
    q.step();
    return q.text(0);
}

} // namespace

TEST_F(StoreTest, KilledWriterLeavesBothFilesConsistent)
{
    Tables(db).create(work("W"), people());
    Tables(db).create(fund("F"), people());
    db.close();

    std::mt19937 random(42);
    qint64 previous = 0;
    for (int round = 0; round < 12; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            writePairsForever(dir.path(), fundFolder());
        usleep(20000 + random() % 60000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer ended by itself: " << status;

        Database check;
        check.open(dir.path());
        Tables tables(check);
        const QString fundSchema = check.schemaFor(fundFolder());
        EXPECT_EQ(integrity(check, "main"), "ok");
        EXPECT_EQ(integrity(check, fundSchema), "ok");
        const qint64 inWork = scalar(check, "SELECT count(*) FROM " + tables.qualified(work("W")));
        const qint64 inFund = scalar(check, "SELECT count(*) FROM " + tables.qualified(fund("F")));
        EXPECT_EQ(inWork, inFund) << "round " << round;
        EXPECT_EQ(scalar(check, "SELECT coalesce(max(Nr),0) FROM " + tables.qualified(work("W"))), inWork)
            << "each transaction writes the next pair";
        EXPECT_GE(inWork, previous);
        previous = inWork;
    }
    EXPECT_GT(previous, 0) << "the writer never committed anything; the test proves nothing";
}
