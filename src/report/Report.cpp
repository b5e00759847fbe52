#include "report/Report.h"

#include "report/Layout.h"

namespace report {

Band& Group::header(double heightMm)
{
    if (!m_header)
        m_header = std::make_unique<Band>(heightMm);
    return *m_header;
}

Band& Group::footer(double heightMm)
{
    if (!m_footer)
        m_footer = std::make_unique<Band>(heightMm);
    return *m_footer;
}

Band& SubDetail::header(double heightMm)
{
    if (!m_header)
        m_header = std::make_unique<Band>(heightMm);
    return *m_header;
}

Band& SubDetail::footer(double heightMm)
{
    if (!m_footer)
        m_footer = std::make_unique<Band>(heightMm);
    return *m_footer;
}

Report::Report() = default;
Report::~Report() = default;

QSizeF Report::pageSize() const
{
    return m_orientation == Orientation::Portrait ? QSizeF(A4ShortMm, A4LongMm) : QSizeF(A4LongMm, A4ShortMm);
}

double Report::contentWidth() const
{
    return pageSize().width() - m_margins.left - m_margins.right;
}

Band* Report::band(std::unique_ptr<Band>& slot, double height)
{
    if (!slot) {
        slot = std::make_unique<Band>(height);
        slot->setFont(m_font);
    }
    return slot.get();
}

Band& Report::pageHeader(double h) { return *band(m_pageHeader, h); }
Band& Report::titleBand(double h) { return *band(m_title_, h); }
Band& Report::columnHeader(double h) { return *band(m_columnHeader, h); }
Band& Report::detail(double h) { return *band(m_detail, h); }
Band& Report::summary(double h) { return *band(m_summary, h); }
Band& Report::pageFooter(double h) { return *band(m_pageFooter, h); }

void Report::setSource(std::function<bool()> next, std::function<void()> reset)
{
    m_source = std::make_shared<CallbackSource>(std::move(next), std::move(reset));
}

Group& Report::addGroup(std::function<QVariant()> key)
{
    m_groups.push_back(std::make_unique<Group>(std::move(key)));
    return *m_groups.back();
}

SubDetail& Report::addSubDetail(std::shared_ptr<DataSource> source)
{
    m_subDetails.push_back(std::make_unique<SubDetail>(std::move(source)));
    m_subDetails.back()->detail().setFont(m_font);
    return *m_subDetails.back();
}

SubDetail& Report::addSubDetail(std::function<bool()> next, std::function<void()> reset)
{
    return addSubDetail(std::make_shared<CallbackSource>(std::move(next), std::move(reset)));
}

PageSet Report::run(const std::function<void(int)>& progress)
{
    Layout layout(*this, progress);
    PageSet pages = layout.run();
    m_currentPage = 0;
    return pages;
}

} // namespace report
