#include "report/Layout.h"

#include "report/Report.h"

#include <QVariant>

namespace report {

namespace {
constexpr double Epsilon = 1e-6;
constexpr int AlignHorizontalMask = 0x001f;
constexpr int AlignTop = 0x0020;
constexpr double FramePadding = 0.8;
} // namespace

Layout::Layout(Report& report, const std::function<void(int)>& progress)
    : m_report(report), m_progress(progress)
{
}

PageSet Layout::run()
{
    m_out = PageSet();
    m_out.title = m_report.title();
    m_out.orientation = m_report.orientation();
    if (m_report.onStart)
        m_report.onStart();
    reportProgress(0, 1);
    startPage();

    DataSource* source = m_report.m_source.get();
    if (!source) {
        printRow();
    } else {
        const int total = source->rowCount();
        source->reset();
        const auto& groups = m_report.m_groups;
        std::vector<QVariant> keys(groups.size());
        int rows = 0;
        while (source->next()) {
            // The outermost group whose key changed; every group inside it changes too.
            size_t changed = groups.size();
            for (size_t i = 0; i < groups.size(); ++i) {
                const QVariant key = groups[i]->key();
                if ((rows == 0 || key != keys[i]) && changed == groups.size())
                    changed = i;
                keys[i] = key;
            }
            if (rows > 0) {
                for (size_t i = groups.size(); i-- > changed;) {
                    if (Band* footer = groups[i]->footerBand())
                        printBand(*footer);
                }
            }
            for (size_t i = changed; i < groups.size(); ++i) {
                Group& group = *groups[i];
                if (Band* header = group.headerBand())
                    printBand(*header, group.newPage);
                else if (group.newPage && pageHasBody())
                    newPage();
            }
            printRow();
            ++rows;
            reportProgress(rows, total);
        }
        if (rows > 0) {
            for (size_t i = groups.size(); i-- > 0;) {
                if (Band* footer = groups[i]->footerBand())
                    printBand(*footer);
            }
        }
    }
    if (m_report.m_summary)
        printBand(*m_report.m_summary);
    finishPage();

    const int pageCount = m_out.pageCount();
    for (const PageNumberRef& ref : m_pageNumbers) {
        QString text = ref.pattern;
        text.replace(QLatin1String("%1"), QString::number(ref.page + 1));
        text.replace(QLatin1String("%2"), QString::number(pageCount));
        m_out.pages[ref.page].texts[ref.item].text = text;
    }
    if (m_report.onFinish)
        m_report.onFinish();
    reportProgress(1, 1);
    return std::move(m_out);
}

void Layout::printRow()
{
    if (m_report.m_detail)
        printBand(*m_report.m_detail);
    printSubDetails();
}

void Layout::printSubDetails()
{
    for (const auto& sub : m_report.m_subDetails) {
        DataSource* source = sub->source();
        int rows = 0;
        if (source) {
            source->reset();
            while (source->next()) {
                if (rows == 0 && sub->headerBand())
                    printBand(*sub->headerBand());
                printBand(sub->detail());
                ++rows;
            }
        }
        if (rows == 0 && sub->printIfEmpty && sub->headerBand())
            printBand(*sub->headerBand());
        if ((rows > 0 || sub->printIfEmpty) && sub->footerBand())
            printBand(*sub->footerBand());
    }
}

bool Layout::printBand(Band& band, bool newPageFirst)
{
    const bool printed = !band.beforePrint || band.beforePrint();
    if (printed)
        place(band, true, newPageFirst || band.newPageBefore);
    for (const auto& child : band.children())
        printBand(*child);
    return printed;
}

void Layout::place(Band& band, bool mayBreak, bool newPageFirst)
{
    struct Prepared {
        const TextElement* element;
        QStringList lines;
        double lineHeight;
        double height;
    };
    std::vector<Prepared> prepared;
    double height = band.height();
    for (const TextElement& e : band.texts()) {
        if (!e.visible)
            continue;
        Prepared p{&e, {}, 0, e.rect.height()};
        const QString text = e.pageNumber ? e.text : e.currentText();
        if (e.memo) {
            p.lines = m_measure.wrap(e.font, text, e.rect.width());
            p.lineHeight = m_measure.lineHeight(e.font);
            p.height = std::max(e.rect.height(), p.lineHeight * p.lines.size());
        } else {
            p.lines = QStringList{text};
            if (p.height <= 0)
                p.height = m_measure.lineHeight(e.font);
            p.lineHeight = p.height;
        }
        height = std::max(height, e.rect.y() + p.height);
        prepared.push_back(std::move(p));
    }

    if (mayBreak) {
        if (newPageFirst && pageHasBody())
            newPage();
        else if (m_y + height > m_bodyBottom + Epsilon && pageHasBody())
            newPage();
    }

    Page& page = m_out.pages.last();
    const int pageIndex = m_out.pageCount() - 1;
    const double left = m_report.margins().left;
    for (const Prepared& p : prepared) {
        const TextElement& e = *p.element;
        const double x = left + e.rect.x();
        const double y = m_y + e.rect.y();
        // A framed text keeps off its frame.
        const double pad = e.frame != NoFrame ? FramePadding : 0.0;
        for (int i = 0; i < p.lines.size(); ++i) {
            TextItem item;
            item.rect = QRectF(x + pad, y + i * p.lineHeight, e.rect.width() - 2 * pad, p.lineHeight);
            item.text = p.lines[i];
            item.font = e.font;
            item.alignment = e.memo ? ((e.alignment & AlignHorizontalMask) | AlignTop) : e.alignment;
            if (e.pageNumber)
                m_pageNumbers.push_back({pageIndex, int(page.texts.size()), e.text});
            if (!item.text.isEmpty() || e.pageNumber)
                page.texts.append(item);
        }
        if (e.frame != NoFrame) {
            const QRectF r(x, y, e.rect.width(), p.height);
            auto edge = [&](QPointF a, QPointF b) { page.lines.append(LineItem{a, b, e.frameWidth, LineStyle::Solid}); };
            if (e.frame & FrameTop) edge(r.topLeft(), r.topRight());
            if (e.frame & FrameBottom) edge(r.bottomLeft(), r.bottomRight());
            if (e.frame & FrameLeft) edge(r.topLeft(), r.bottomLeft());
            if (e.frame & FrameRight) edge(r.topRight(), r.bottomRight());
        }
    }
    for (const LineElement& l : band.lines()) {
        if (!l.visible)
            continue;
        page.lines.append(LineItem{QPointF(left + l.from.x(), m_y + l.from.y()),
                                   QPointF(left + l.to.x(), m_y + l.to.y()), l.width, l.style});
    }
    m_y += height;
}

void Layout::startPage()
{
    Page page;
    page.size = m_report.pageSize();
    m_out.pages.append(page);
    m_report.m_currentPage = m_out.pageCount();
    const Margins& margins = m_report.margins();
    m_y = margins.top;
    m_bodyBottom = page.size.height() - margins.bottom
                   - (m_report.m_pageFooter ? m_report.m_pageFooter->height() : 0.0);
    if (m_report.m_pageHeader && (!m_report.m_pageHeader->beforePrint || m_report.m_pageHeader->beforePrint()))
        place(*m_report.m_pageHeader, false, false);
    if (m_out.pageCount() == 1 && m_report.m_title_
        && (!m_report.m_title_->beforePrint || m_report.m_title_->beforePrint()))
        place(*m_report.m_title_, false, false);
    if (m_report.m_columnHeader
        && (!m_report.m_columnHeader->beforePrint || m_report.m_columnHeader->beforePrint()))
        place(*m_report.m_columnHeader, false, false);
    m_bodyTop = m_y;
}

void Layout::finishPage()
{
    Band* footer = m_report.m_pageFooter.get();
    if (footer && (!footer->beforePrint || footer->beforePrint())) {
        m_y = m_out.pages.last().size.height() - m_report.margins().bottom - footer->height();
        place(*footer, false, false);
    }
}

void Layout::newPage()
{
    finishPage();
    startPage();
}

bool Layout::pageHasBody() const
{
    return m_y > m_bodyTop + Epsilon;
}

void Layout::reportProgress(int rows, int total)
{
    if (!m_progress)
        return;
    const int percent = total > 0 ? int(qint64(rows) * 100 / total) : 0;
    if (percent != m_lastPercent) {
        m_lastPercent = percent;
        m_progress(percent);
    }
}

} // namespace report
