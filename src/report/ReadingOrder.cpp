#include "report/ReadingOrder.h"

#include <algorithm>
#include <cmath>

namespace report {

std::vector<ReadingRow> readingRows(const Page& page, bool withLines)
{
    std::vector<const TextItem*> items;
    items.reserve(page.texts.size());
    for (const TextItem& t : page.texts)
        items.push_back(&t);
    std::stable_sort(items.begin(), items.end(), [](const TextItem* a, const TextItem* b) {
        return a->rect.center().y() < b->rect.center().y();
    });

    std::vector<ReadingRow> rows;
    double rowCenter = 0;
    double tolerance = 0;
    for (const TextItem* item : items) {
        const double center = item->rect.center().y();
        if (rows.empty() || center > rowCenter + tolerance) {
            rows.push_back(ReadingRow{item->rect.top(), {}, nullptr});
            rowCenter = center;
            tolerance = std::max(0.5, item->rect.height() * 0.4);
        }
        rows.back().texts.push_back(item);
    }
    for (ReadingRow& row : rows) {
        std::stable_sort(row.texts.begin(), row.texts.end(), [](const TextItem* a, const TextItem* b) {
            return a->rect.left() < b->rect.left();
        });
    }
    if (withLines) {
        // Horizontal lines at the same height (the frames of neighbouring cells) make one row
        // spanning all of them; short strokes alone are left out.
        struct Span {
            double y, from, to;
            const LineItem* line;
        };
        std::vector<Span> spans;
        for (const LineItem& line : page.lines) {
            if (std::fabs(line.from.y() - line.to.y()) > 0.01)
                continue;
            const double from = std::min(line.from.x(), line.to.x());
            const double to = std::max(line.from.x(), line.to.x());
            auto same = std::find_if(spans.begin(), spans.end(), [&](const Span& s) {
                return std::fabs(s.y - line.from.y()) < 0.5 && from <= s.to + 0.5 && to >= s.from - 0.5;
            });
            if (same == spans.end()) {
                spans.push_back({line.from.y(), from, to, &line});
            } else {
                same->from = std::min(same->from, from);
                same->to = std::max(same->to, to);
            }
        }
        std::vector<ReadingRow> lineRows;
        for (const Span& s : spans) {
            if (s.to - s.from < page.size.width() * 0.25)
                continue;
            ReadingRow row{s.y, {}, s.line};
            row.lineFrom = s.from;
            row.lineTo = s.to;
            lineRows.push_back(row);
        }
        rows.insert(rows.end(), lineRows.begin(), lineRows.end());
        // A line drawn at the top of a band comes before the band's texts.
        auto key = [](const ReadingRow& r) { return r.line ? r.y : r.y + 0.05; };
        std::stable_sort(rows.begin(), rows.end(), [&](const ReadingRow& a, const ReadingRow& b) { return key(a) < key(b); });
    }
    return rows;
}

} // namespace report
