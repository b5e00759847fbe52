#include "ReportFixtures.h"



#include <algorithm>

namespace reporttest {

QStringList pageTexts(const report::Page& page)
{
    std::vector<const report::TextItem*> items;
    for (const auto& t : page.texts)
        items.push_back(&t);
    std::stable_sort(items.begin(), items.end(), [](auto a, auto b) {
        if (std::abs(a->rect.top() - b->rect.top()) > 0.5)
            return a->rect.top() < b->rect.top();
        return a->rect.left() < b->rect.left();
    });
    QStringList out;
    for (auto t : items)
        out << t->text;
    return out;
}

QStringList allTexts(const report::PageSet& pages)
{
    QStringList out;
    for (const auto& p : pages.pages)
        out << pageTexts(p);
    return out;
}

const report::TextItem* findText(const report::Page& page, const QString& text)
{
    for (const auto& t : page.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

std::unique_ptr<report::Report> listReport(int rows, int* current)
{
    auto r = std::make_unique<report::Report>();
    r->pageHeader(10).addPageNumber({0, 0, 60, 5}, QStringLiteral("Str: %1 z %2"), Qt::AlignLeft | Qt::AlignVCenter);
    r->detail(5).addField({0, 0, 60, 5}, [current] { return QStringLiteral("Wiersz %1").arg(*current + 1); });
    r->summary(5).addLabel({0, 0, 60, 5}, QStringLiteral("Koniec"));
    r->setSource([current, rows] { return ++*current < rows; }, [current] { *current = -1; });
    return r;
}

} // namespace reporttest
