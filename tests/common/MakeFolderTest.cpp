#include "common/MakeFolder.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kzp {
namespace {

class MakeFolder : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    void expectRefused(const QString& folder)
    {
        EXPECT_FALSE(makeFolder(folder, m_dialogs));
        ASSERT_EQ(m_dialogs.shown().size(), 1);
        const Dialogs::Message message = m_dialogs.last();
        EXPECT_EQ(message.text, QStringLiteral("Błąd generowania katalogu: ") + folder);
        EXPECT_EQ(message.caption, QStringLiteral("Operacja systemowa."));
        EXPECT_EQ(message.icon, Dialogs::Icon::Error);
    }

    QTemporaryDir m_dir;
    test::ScriptedDialogs m_dialogs;
};

TEST_F(MakeFolder, MakesANewFolderSilently)
{
    ASSERT_TRUE(m_dir.isValid());
    const QString folder = path("Kas12");
    EXPECT_TRUE(makeFolder(folder, m_dialogs));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
}

TEST_F(MakeFolder, AnExistingFolderIsSuccess)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("Kas12"));
    EXPECT_TRUE(makeFolder(path("Kas12"), m_dialogs));
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
}

TEST_F(MakeFolder, AFileInTheWayIsAFailure)
{
    QFile file(path("Kas12"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    expectRefused(path("Kas12"));
    EXPECT_TRUE(QFileInfo(path("Kas12")).isFile());
}

TEST_F(MakeFolder, AMissingParentIsAFailure)
{
    expectRefused(path("brak/Kas12"));
    EXPECT_FALSE(QFileInfo::exists(path("brak")));
}

TEST_F(MakeFolder, AnEmptyPathIsAFailure)
{
    expectRefused(QString());
}

} // namespace
} // namespace kzp
