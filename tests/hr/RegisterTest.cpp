#include "hr/RegisterReader.h"
#include "hr/RegisterWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

using namespace std::chrono_literals;
using hr::Employee;
using hr::RegisterReader;
using hr::RegisterWriter;
using Failure = RegisterReader::Failure;

namespace {

Employee person(int id, int number, QString surname, QString name1, QString name2 = {})
{
    Employee e;
    e.Identyfikator = id;
    e.NumerPracownika = number;
    e.Nazwisko = std::move(surname);
    e.Imie1 = std::move(name1);
    e.Imie2 = std::move(name2);
    return e;
}

// Three people that use every Polish letter in both cases, fields filled to their full width, empty
// texts and an empty employee number.
QList<Employee> polishPeople()
{
    Employee a = person(1, 1024, QStringLiteral("Żółćgęślą-Jaźńska"), QStringLiteral("Łucja"), QStringLiteral("Ścibora"));
    a.PESEL = QStringLiteral("8501011234567");
    a.KodPocztowy = QStringLiteral("00-950");
    a.Miejscowosc = QStringLiteral("Łódź");
    a.Poczta = QStringLiteral("Września");
    a.Ulica = QStringLiteral("Źródlana");
    a.NrDomuiMieszkania = QStringLiteral("12a m. 7");
    a.NumerDowoduOsobistego = QStringLiteral("ABC123456");

    Employee b = person(2, -7, QStringLiteral("ĄĆĘŁŃÓŚŹŻąćęłńóśźżĄĆĘŁŃÓŚŹŻąć"), QStringLiteral("Ńąćęłńóśźżżżżżż"));
    b.NrDomuiMieszkania = QStringLiteral("12345678901234567");
    b.Ulica = QStringLiteral("ul. Ęłó");

    Employee c = person(3, 0, QStringLiteral("Nowak"), QString());
    c.NumerPracownika.reset();
    return {a, b, c};
}

class Register : public ::testing::Test
{
protected:
    QString path(const QString& name = QStringLiteral("KADRY.DB")) const { return dir.filePath(name); }

    QString write(const QList<Employee>& people, int codePage = 1250, const QString& name = QStringLiteral("KADRY.DB"))
    {
        QString error;
        const bool ok = RegisterWriter(codePage).write(path(name), people, &error);
        EXPECT_TRUE(ok) << error.toStdString();
        return path(name);
    }

    QByteArray bytes(const QString& file) const
    {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    QString store(const QByteArray& content, const QString& name) const
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        return f.fileName();
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(Register, PolishTextsSurviveARoundTripInEitherCodePage)
{
    for (int codePage : {1250, 852}) {
        SCOPED_TRACE(codePage);
        const QString file = write(polishPeople(), codePage);
        const RegisterReader::Result r = RegisterReader().read(file);
        ASSERT_TRUE(r.ok()) << r.message.toStdString();
        EXPECT_EQ(r.codePage, codePage);
        ASSERT_EQ(r.employees.size(), 3);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(r.employees[i], polishPeople()[i]) << "row " << i << ": " << r.employees[i].Nazwisko.toStdString();
    }
}

// The bytes in the file are those of the code page, not UTF-8: another Paradox reader sees "Łódź".
TEST_F(Register, TextsAreStoredInTheTablesCodePage)
{
    const QByteArray file = bytes(write(polishPeople(), 852));
    EXPECT_TRUE(file.contains(QByteArray("\x9d\xa2\x64\xab", 4))); // Łódź in CP852
    EXPECT_FALSE(file.contains(QStringLiteral("Łódź").toUtf8()));
}

TEST_F(Register, ManyRowsAreReadInOrderAndQuickly)
{
    QList<Employee> people;
    for (int i = 0; i < 20000; ++i)
        people.append(person(i + 1, 100000 + i, QStringLiteral("Wiśniewski-%1").arg(i), QStringLiteral("Józef"),
                             QStringLiteral("Ż%1").arg(i % 97)));
    const QString file = write(people);

    const auto start = std::chrono::steady_clock::now();
    const RegisterReader::Result r = RegisterReader().read(file);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    ASSERT_EQ(r.employees.size(), people.size());
    EXPECT_EQ(r.employees, people);
    EXPECT_LT(elapsed, 2s);
}

TEST_F(Register, AnEmptyRegisterHasNoPeople)
{
    const RegisterReader::Result r = RegisterReader().read(write({}));
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_TRUE(r.employees.isEmpty());
}

// Each damaged or missing file gives its kind of failure and a message naming the file, quickly.
TEST_F(Register, DamagedFilesAreRefusedWithAMessageNamingTheFile)
{
    QList<Employee> people;
    for (int i = 0; i < 300; ++i)
        people.append(person(i + 1, i, QStringLiteral("Kowalski%1").arg(i), QStringLiteral("Jan")));
    const QByteArray good = bytes(write(people, 1250, QStringLiteral("good.db")));
    const int headerSize = quint8(good[2]) | quint8(good[3]) << 8;
    const int blockSize = quint8(good[5]) * 1024;
    ASSERT_GT(good.size(), headerSize + 2 * blockSize) << "the fixture needs several data blocks";

    auto patched = [&](int at, QByteArray with) {
        QByteArray b = good;
        b.replace(at, with.size(), with);
        return b;
    };
    QByteArray garbage(8192, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919 + 13) % 251);
    const qsizetype nazwisko = good.indexOf("Nazwisko");

    struct Case
    {
        const char* name;
        QByteArray content;
        Failure expected;
    };
    const Case cases[] = {
        {"empty file", QByteArray(), Failure::Corrupt},
        {"garbage bytes", garbage, Failure::Corrupt},
        {"cut inside the header", good.left(headerSize / 2), Failure::Corrupt},
        {"cut inside the data blocks", good.left(good.size() - blockSize / 2), Failure::Corrupt},
        {"record size changed", patched(0, QByteArray("\x07\x00", 2)), Failure::Corrupt},
        {"header size past the end", patched(2, QByteArray("\xff\xff", 2)), Failure::Corrupt},
        {"unknown block size", patched(5, QByteArray("\x05", 1)), Failure::Corrupt},
        {"more records than blocks hold", patched(6, QByteArray("\xff\xff\x00\x00", 4)), Failure::Corrupt},
        {"fewer records than the blocks hold", patched(6, QByteArray("\x01\x00\x00\x00", 4)), Failure::Corrupt},
        {"field count too large", patched(0x21, QByteArray("\xff\x00", 2)), Failure::Corrupt},
        {"field type unknown", patched(0x78 + 2 * 2, QByteArray("\x42", 1)), Failure::Corrupt},
        {"block chain loops", patched(headerSize + blockSize, QByteArray("\x01\x00", 2)), Failure::Corrupt},
        {"block chain leaves the file", patched(headerSize, QByteArray("\x00\x10", 2)), Failure::Corrupt},
        {"field renamed", patched(int(nazwisko), "Nazwisk0"), Failure::WrongLayout},
        {"text field turned into a number", patched(0x78 + 2 * 2, QByteArray("\x06", 1)), Failure::Corrupt},
    };
    const RegisterReader reader(2s);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = store(c.content, QStringLiteral("case.db"));
        const auto start = std::chrono::steady_clock::now();
        const RegisterReader::Result r = reader.read(file);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
        EXPECT_EQ(r.failure, c.expected) << r.message.toStdString();
        EXPECT_TRUE(r.employees.isEmpty());
        EXPECT_TRUE(r.message.contains(QDir::toNativeSeparators(file))) << r.message.toStdString();
    }
}

TEST_F(Register, MissingAndUnreadablePathsAreToldApart)
{
    const RegisterReader::Result missing = RegisterReader().read(path(QStringLiteral("nie-ma/KADRY.DB")));
    EXPECT_EQ(missing.failure, Failure::Missing);
    EXPECT_TRUE(missing.message.contains(QStringLiteral("nie-ma"))) << missing.message.toStdString();

    const RegisterReader::Result folder = RegisterReader().read(dir.path());
    EXPECT_EQ(folder.failure, Failure::Unreadable);
}

// Flipping bytes of a sound register, anywhere in its header and first blocks, never crashes or hangs
// the reader: every variant either reads or is refused with a message.
TEST_F(Register, MutatedFilesNeverCrashOrHang)
{
    QList<Employee> people = polishPeople();
    for (int i = 0; i < 60; ++i)
        people.append(person(10 + i, 500 + i, QStringLiteral("Dąbrowska%1").arg(i), QStringLiteral("Anna")));
    const QByteArray good = bytes(write(people, 852, QStringLiteral("good.db")));
    const RegisterReader reader(1s);
    quint32 seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    const auto start = std::chrono::steady_clock::now();
    int read = 0;
    for (int round = 0; round < 300; ++round) {
        QByteArray b = good;
        const int flips = 1 + int(next() % 4);
        for (int k = 0; k < flips; ++k) {
            // Mostly the header, where one byte decides the shape of everything after it.
            const int span = (next() % 4 == 0) ? int(b.size()) : std::min<int>(0x200, int(b.size()));
            b[next() % span] = char(next() >> 24);
        }
        const QString file = store(b, QStringLiteral("mutated.db"));
        const RegisterReader::Result r = reader.read(file);
        if (r.ok())
            ++read;
        else
            ASSERT_TRUE(r.message.contains(QDir::toNativeSeparators(file))) << round;
    }
    EXPECT_GT(read, 0) << "some flips only touch data and should still read";
    EXPECT_LT(std::chrono::steady_clock::now() - start, 60s);
}

TEST_F(Register, WriterRefusesTextsThatDoNotFitBeforeWritingAnything)
{
    struct Case
    {
        const char* name;
        Employee employee;
        const char* field;
    };
    Employee tooLong = person(1, 1, QString(31, QChar(u'ż')), QStringLiteral("Ewa"));
    Employee notInCodePage = person(1, 1, QStringLiteral("Kowalski"), QStringLiteral("李"));
    Employee longPesel = person(1, 1, QStringLiteral("Kowalski"), QStringLiteral("Ewa"));
    longPesel.PESEL = QStringLiteral("12345678901234");
    const Case cases[] = {
        {"surname of 31 letters", tooLong, "Nazwisko"},
        {"letter outside the code page", notInCodePage, "Imie1"},
        {"PESEL of 14 digits", longPesel, "PESEL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        EXPECT_FALSE(RegisterWriter().write(path(), {polishPeople()[0], c.employee}, &error));
        EXPECT_TRUE(error.contains(QLatin1String(c.field))) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("wierszu 2"))) << error.toStdString();
        EXPECT_FALSE(QFile::exists(path()));
    }
    // 30 two-byte UTF-8 letters are 30 bytes in the code page and fit exactly.
    Employee full = person(1, 1, QString(30, QChar(u'ż')), QStringLiteral("Ewa"));
    write({full});
    const RegisterReader::Result r = RegisterReader().read(path());
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.employees.value(0).Nazwisko, full.Nazwisko);
}
