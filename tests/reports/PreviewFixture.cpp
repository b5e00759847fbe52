#include "PreviewFixture.h"

#include <QLabel>
#include <QTest>

namespace reportstest {

std::unique_ptr<report::Report> pagesReport(int pages, int* row)
{
    auto r = std::make_unique<report::Report>();
    r->setTitle(QString::fromUtf8("Próba wydruku"));
    r->pageHeader(8).addPageNumber({0, 0, 50, 6}, QStringLiteral("Str: %1"));
    r->detail(6).addField({0, 0, 120, 6}, [row] { return QString::fromUtf8("Pozycja nr %1 — zażółć").arg(*row + 1); });
    r->detail().newPageBefore = true;
    r->setSource([row, pages] { return ++*row < pages; }, [row] { *row = -1; });
    return r;
}

void PreviewTest::render(int pages)
{
    auto r = pagesReport(pages, &row);
    window.renderReport(*r);
}

QAction* PreviewTest::action(const char* name) const
{
    auto* a = window.findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_TRUE(a) << name;
    return a;
}

QLineEdit* PreviewTest::box(const char* name) const
{
    return window.findChild<QLineEdit*>(QString::fromLatin1(name));
}

QString PreviewTest::pagePanel() const
{
    return window.findChild<QLabel*>(QStringLiteral("pagePanel"))->text();
}

void PreviewTest::typeIntoPageBoxAndEnter(const QString& text)
{
    QLineEdit* pageBox = box("pageBox");
    pageBox->setFocus();
    pageBox->selectAll();
    QTest::keyClick(pageBox, Qt::Key_Backspace);
    QTest::keyClicks(pageBox, text);
    QTest::keyClick(pageBox, Qt::Key_Return);
}

} // namespace reportstest
