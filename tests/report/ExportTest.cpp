#include "ReportFixtures.h"

#include "report/CsvExport.h"
#include "report/ExportFormat.h"
#include "report/HtmlExport.h"
#include "report/NumberFormat.h"
#include "report/PdfExport.h"
#include "report/QrpFile.h"
#include "report/TextExport.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace reporttest;

namespace {

// A small statement: a heading, a column header and right-aligned amounts of different widths.
report::PageSet statement(int rows = 3)
{
    static const double amounts[] = {5.0, 1234.5, 1000000.0, 42.42};
    auto r = std::make_shared<report::Report>();
    int row = -1;
    r->setTitle(QString::fromUtf8("Zestawienie łączne"));
    r->pageHeader(12).addLabel({0, 0, 120, 6}, QString::fromUtf8("KASA: Żółta \"Pszczółka\", <Oddział> & S-ka"));
    r->pageHeader().addPageNumber({150, 0, 40, 6});
    r->columnHeader(6).addLabel({0, 0, 60, 6}, QString::fromUtf8("Nazwisko i imię"));
    r->columnHeader().addLabel({100, 0, 40, 6}, "Kwota", Qt::AlignRight | Qt::AlignVCenter);
    r->columnHeader().addHLine(6, 0, 190);
    r->detail(5).addField({0, 0, 60, 5}, [&] { return QString::fromUtf8("Ślusarczyk, Józef %1").arg(row + 1); });
    r->detail().addField({100, 0, 40, 5}, [&] { return report::formatNumber(amounts[row % 4], " ### ### ##0.00 zł"); },
                         Qt::AlignRight | Qt::AlignVCenter);
    r->detail().addHLine(5, 0, 190, 0.1, report::LineStyle::Dot);
    r->setSource([&] { return ++row < rows; }, [&] { row = -1; });
    return r->run();
}

TEST(TextExport, KeepsReadingOrderPolishLettersAndRightAlignedColumns)
{
    const QString text = report::toText(statement());
    const QStringList lines = text.split('\n');
    ASSERT_GE(lines.size(), 6);
    EXPECT_TRUE(lines[0].startsWith(QString::fromUtf8("KASA: Żółta")));
    EXPECT_TRUE(lines[0].endsWith("Str: 1"));
    int amountEnd = -1;
    int rowsSeen = 0;
    for (const QString& line : lines) {
        if (!line.startsWith(QString::fromUtf8("Ślusarczyk")) && !line.contains("Kwota"))
            continue;
        if (line.startsWith(QString::fromUtf8("Ślusarczyk")))
            ++rowsSeen;
        const int end = int(line.size());
        if (amountEnd < 0)
            amountEnd = end;
        EXPECT_EQ(end, amountEnd) << "column not aligned: " << line.toStdString();
    }
    EXPECT_EQ(rowsSeen, 3);
    EXPECT_TRUE(text.contains(QString::fromUtf8("1 000 000,00 zł")));
    EXPECT_TRUE(text.contains(QString(20, '-'))) << "the column header's line";
}

TEST(TextExport, TextsThatWouldOverlapStaySeparated)
{
    report::PageSet set;
    report::Page page;
    page.texts.append({QRectF(0, 10, 20, 5), "Długa nazwa kolumny", {}, Qt::AlignLeft});
    page.texts.append({QRectF(4, 10, 20, 5), "123", {}, Qt::AlignLeft});
    set.pages.append(page);
    EXPECT_EQ(report::toText(set), QString::fromUtf8("Długa nazwa kolumny 123\n"));
}

TEST(TextExport, PagesAreSeparatedByFormFeeds)
{
    int row = -1;
    auto r = listReport(120, &row);
    const QString text = report::toText(r->run());
    EXPECT_EQ(text.count('\f'), 2);
    EXPECT_TRUE(text.split('\f')[1].startsWith("Str: 2 z 3"));
}

TEST(CsvExport, OneRecordPerRowWithQuotingWhereNeeded)
{
    const QStringList records = report::toCsv(statement(2)).split("\r\n");
    EXPECT_EQ(records[0], QString::fromUtf8("\"KASA: Żółta \"\"Pszczółka\"\", <Oddział> & S-ka\",Str: 1"));
    EXPECT_EQ(records[1], QString::fromUtf8("Nazwisko i imię,Kwota"));
    EXPECT_EQ(records[2], QString::fromUtf8("\"Ślusarczyk, Józef 1\",\"5,00 zł\""));
    EXPECT_EQ(records[3], QString::fromUtf8("\"Ślusarczyk, Józef 2\",\"1 234,50 zł\""));
}

TEST(HtmlExport, EscapesTextsAndKeepsEveryPage)
{
    int row = -1;
    auto r = listReport(120, &row);
    const QString html = report::toHtml(r->run());
    EXPECT_EQ(html.count("class=\"page\""), 3);
    const QString one = report::toHtml(statement());
    EXPECT_TRUE(one.contains(QString::fromUtf8("&quot;Pszczółka&quot;, &lt;Oddział&gt; &amp; S-ka")));
    EXPECT_FALSE(one.contains("<Oddział>"));
    EXPECT_TRUE(one.contains("<meta charset=\"utf-8\">"));
}

TEST(QrpFile, RoundTripGivesTheSamePages)
{
    int row = -1;
    auto r = listReport(120, &row);
    r->setOrientation(report::Orientation::Landscape);
    r->detail().addLabel({80, 0, 40, 5}, QString::fromUtf8("ąęćłńóśźż ĄĘĆŁŃÓŚŹŻ")).bold().size(11.5);
    r->detail().addLine({0, 0}, {0, 5}, 0.4, report::LineStyle::Dash);
    const report::PageSet original = r->run();

    QTemporaryDir dir;
    const QString path = dir.filePath("wydruk.QRP");
    QString error;
    ASSERT_TRUE(report::QrpFile::save(original, path, &error)) << error.toStdString();
    report::PageSet loaded;
    ASSERT_TRUE(report::QrpFile::load(path, loaded, &error)) << error.toStdString();
    EXPECT_EQ(loaded, original);
    EXPECT_EQ(loaded.pageCount(), 4);
}

// A file with a correct header and checksum whose payload lies about its sizes.
QByteArray lyingFile(quint32 titleLength)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out << titleLength << qint32(0) << quint32(1);
    QByteArray data("KZPQRP\r\n", 8);
    QDataStream head(&data, QIODevice::WriteOnly | QIODevice::Append);
    head << report::QrpFile::Version << quint32(payload.size());
    return data + QCryptographicHash::hash(payload, QCryptographicHash::Sha1) + payload;
}

TEST(QrpFile, RefusesWhatIsNotAWholeReportOfThisVersion)
{
    const QByteArray good = report::QrpFile::encode(statement());
    QByteArray otherVersion = good;
    otherVersion[11] = char(7);
    QByteArray flipped = good;
    flipped[good.size() - 10] = char(flipped[good.size() - 10] ^ 0x20);
    const struct {
        const char* name;
        QByteArray data;
        const char* reason;
    } cases[] = {
        {"empty", QByteArray(), "nie jest zapisanym wydrukiem"},
        {"garbage", QByteArray(5000, 'x'), "nie jest zapisanym wydrukiem"},
        {"other version", otherVersion, "wersji formatu (7)"},
        {"truncated", good.left(good.size() / 2), "uszkodzony"},
        {"flipped bit", flipped, "uszkodzony"},
        {"huge title", lyingFile(0xFFFFFFF0u), "uszkodzony"},
        {"no pages", lyingFile(0), "uszkodzony"},
    };
    for (const auto& c : cases) {
        report::PageSet pages;
        pages.title = "bez zmian";
        QString error;
        EXPECT_FALSE(report::QrpFile::decode(c.data, pages, &error)) << c.name;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << c.name << ": " << error.toStdString();
        EXPECT_EQ(pages.title, "bez zmian") << c.name << ": a refused file changes nothing";
    }
}

TEST(Exporters, EveryFormatWritesItsFileAndReportsAFolderItCannotWrite)
{
    const report::PageSet pages = statement();
    QTemporaryDir dir;
    for (const report::ExportFormat& f : report::exportFormats()) {
        const QString path = dir.filePath("wydruk." + f.extensions.first());
        QString error;
        EXPECT_TRUE(report::exportPages(pages, path, f.kind, &error)) << f.name.toStdString() << error.toStdString();
        EXPECT_GT(QFileInfo(path).size(), 0) << f.name.toStdString();
        const QString bad = dir.filePath("brak/wydruk." + f.extensions.first());
        EXPECT_FALSE(report::exportPages(pages, bad, f.kind, &error)) << f.name.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(QFile::exists(bad));
    }
    QFile pdf(dir.filePath("wydruk.PDF"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

} // namespace
