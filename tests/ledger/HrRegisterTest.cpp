#include "SmallFundFixture.h"

#include "hr/RegisterWriter.h"
#include "ledger/logic/HrRegister.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace kzp::test {
namespace {

hr::Employee person(int number, const QString& surname, const QString& name1, const QString& name2 = QString())
{
    hr::Employee e;
    e.NumerPracownika = number;
    e.Nazwisko = surname;
    e.Imie1 = name1;
    e.Imie2 = name2;
    e.PESEL = QStringLiteral("6403151234567");
    e.KodPocztowy = QStringLiteral("43-300");
    e.Miejscowosc = QStringLiteral("Bielsko-Biała");
    e.Poczta = QStringLiteral("Bielsko-Biała");
    e.Ulica = QStringLiteral("Żywiecka");
    e.NrDomuiMieszkania = QStringLiteral("12a m. 4");
    e.NumerDowoduOsobistego = QStringLiteral("ABC123456");
    return e;
}

class HrRegisterLoad : public SmallFund {
protected:
    void writeRegister(const QString& file, const QList<hr::Employee>& people)
    {
        QDir().mkpath(QFileInfo(file).path());
        QString error;
        ASSERT_TRUE(hr::RegisterWriter().write(file, people, &error)) << error.toStdString();
    }

    QStringList shownNames()
    {
        QStringList names;
        store::Cursor& k = m_dm->TKadry;
        for (k.first(); !k.eof(); k.next())
            names << k.field("Nazwisko").asString() + ' ' + k.field("Imie1").asString() + ' ' + k.field("Imie2").asString();
        return names;
    }
};

TEST_F(HrRegisterLoad, TheRegisterIsFoundByTheFundsHrFolderOrInTheWorkingDirectory)
{
    // The fund keeps at most 30 characters of the folder: a short absolute one.
    const QString elsewhere = QDir::tempPath() + QStringLiteral("/kadry%1").arg(QCoreApplication::applicationPid());
    struct Cleanup {
        QString dir;
        ~Cleanup() { QDir(dir).removeRecursively(); }
    } cleanup{elsewhere};
    ASSERT_LE(elsewhere.size(), 30);
    struct Case {
        const char* name;
        bool payroll;
        QString hrFolder;
        QString expectedFile; // empty: not found
    };
    const Case cases[] = {
        {"relative HR folder", true, "kadry", path("kadry/KADRY.DB")},
        {"absolute HR folder", true, elsewhere, QDir(elsewhere).filePath("KADRY.DB")},
        {"no HR folder", true, QString(), path("KADRY.DB")},
        {"fund without payroll ignores its folder", false, "kadry", path("KADRY.DB")},
        {"HR folder without the register", true, "pusty", QString()},
    };
    writeRegister(path("KADRY.DB"), {person(1, "Wspólny", "Jan")});
    writeRegister(path("kadry/KADRY.DB"), {person(2, "Kadrowy", "Jan")});
    writeRegister(QDir(elsewhere).filePath("KADRY.DB"), {person(3, "Daleki", "Jan")});
    QDir().mkpath(path("pusty"));

    openFund();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store::Cursor& fund = m_dm->TKasy;
        fund.edit();
        fund.setValue("CzyPlace", c.payroll);
        fund.setValue("SciezkaKadr", c.hrFolder);
        fund.post();
        m_dialogs.clear();
        HrRegister hrRegister(*m_ctx);
        const bool loaded = hrRegister.load();
        EXPECT_EQ(loaded, !c.expectedFile.isEmpty());
        if (loaded) {
            EXPECT_EQ(QFileInfo(hrRegister.sourcePath()).canonicalFilePath(), QFileInfo(c.expectedFile).canonicalFilePath());
            EXPECT_EQ(m_dm->TKadry.recordCount(), 1);
            EXPECT_TRUE(m_dialogs.shown().isEmpty());
        } else {
            EXPECT_FALSE(m_dm->TKadry.isOpen());
            ASSERT_EQ(m_dialogs.shown().size(), 1);
            EXPECT_EQ(m_dialogs.last().text, QStringLiteral("Ustaw scieżkę do zbioru KADRY.DB  i ponownie uruchom program !"));
            EXPECT_EQ(m_dialogs.last().caption, c.hrFolder);
        }
    }
}

TEST_F(HrRegisterLoad, IsReadAnewInNameOrderEachTime)
{
    openFund();
    writeRegister(path("KADRY.DB"), {person(1, "Mazur", "Barbara"), person(2, "Łukasik", "Halina"),
                                     person(3, "Lewandowska", "Zofia"), person(4, "Łukasik", "Adam", "Piotr"),
                                     person(5, "Łukasik", "Adam", "Jan")});
    HrRegister hrRegister(*m_ctx);
    ASSERT_TRUE(hrRegister.load());
    EXPECT_EQ(shownNames(), (QStringList{"Lewandowska Zofia ", "Łukasik Adam Jan", "Łukasik Adam Piotr",
                                         "Łukasik Halina ", "Mazur Barbara "}));
    const store::Field pesel = m_dm->TKadry.field("PESEL");
    EXPECT_EQ(pesel.asString(), QStringLiteral("6403151234567"));

    hrRegister.search(QStringLiteral("Łuk"));
    EXPECT_EQ(m_dm->TKadry.field("Imie1").asString(), QStringLiteral("Adam"));
    hrRegister.search(QStringLiteral("M"));
    EXPECT_EQ(m_dm->TKadry.field("Nazwisko").asString(), QStringLiteral("Mazur"));

    writeRegister(path("KADRY.DB"), {person(9, "Nowy", "Jan")});
    ASSERT_TRUE(hrRegister.load());
    EXPECT_EQ(shownNames(), (QStringList{"Nowy Jan "}));
}

TEST_F(HrRegisterLoad, DamagedRegisterIsReportedNamingTheFileAndLeavesAnEmptyTable)
{
    openFund();
    QList<hr::Employee> people;
    for (int i = 0; i < 400; ++i)
        people << person(i + 1, QStringLiteral("Kowalski%1").arg(i), QStringLiteral("Jan"));
    const QString file = path("KADRY.DB");
    writeRegister(file, people);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray good = f.readAll();
    f.close();
    HrRegister hrRegister(*m_ctx);
    ASSERT_TRUE(hrRegister.load()) << "a sound register first";

    QByteArray garbage = good;
    for (int i = 0x80; i < garbage.size(); i += 3)
        garbage[i] = char(i * 31);
    const struct {
        const char* name;
        QByteArray content;
    } cases[] = {
        {"cut in the middle", good.left(good.size() / 2)},
        {"cut inside the header", good.left(40)},
        {"scrambled", garbage},
        {"empty", QByteArray()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.content);
        f.close();
        m_dialogs.clear();
        EXPECT_FALSE(hrRegister.load());
        ASSERT_EQ(m_dialogs.shown().size(), 1);
        EXPECT_EQ(m_dialogs.last().icon, Dialogs::Icon::Error);
        EXPECT_TRUE(m_dialogs.last().text.contains(QDir::toNativeSeparators(file))) << m_dialogs.last().text.toStdString();
        // Nothing of the sound register read before is left to be assigned.
        EXPECT_FALSE(m_dm->TKadry.isOpen());
        m_dm->TKadry.open();
        EXPECT_EQ(m_dm->TKadry.recordCount(), 0);
        EXPECT_EQ(hrRegister.assignCurrent(), HrRegister::Assignment::Abandoned);
    }
}

} // namespace
} // namespace kzp::test
