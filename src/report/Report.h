#pragma once

#include "report/Band.h"
#include "report/DataSource.h"
#include "report/Group.h"
#include "report/PageSet.h"
#include "report/SubDetail.h"

#include <functional>
#include <memory>
#include <vector>

namespace report {

struct Margins {
    double left = 10, top = 10, right = 10, bottom = 10; // millimetres
};

// A banded report written in code. Bands print in this order:
//   page header (every page), title (first page), column header (every page, below the page
//   header), then for every row of the source: group headers, detail (with its children), the
//   sub-details of the row; group footers when a group ends; summary after the last row;
//   page footer at the bottom of every page.
// Without a source the detail band prints once. run() renders the report into a PageSet.
class Report {
public:
    Report();
    ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    void setTitle(const QString& title) { m_title = title; }
    QString title() const { return m_title; }
    void setOrientation(Orientation o) { m_orientation = o; }
    Orientation orientation() const { return m_orientation; }
    void setMargins(const Margins& m) { m_margins = m; }
    const Margins& margins() const { return m_margins; }
    QSizeF pageSize() const;
    // Width between the margins, in millimetres.
    double contentWidth() const;

    // The font given to the bands created afterwards.
    void setFont(const Font& font) { m_font = font; }

    Band& pageHeader(double heightMm = 5.0);
    Band& titleBand(double heightMm = 5.0);
    Band& columnHeader(double heightMm = 5.0);
    Band& detail(double heightMm = 5.0);
    Band& summary(double heightMm = 5.0);
    Band& pageFooter(double heightMm = 5.0);

    void setSource(std::shared_ptr<DataSource> source) { m_source = std::move(source); }
    void setSource(std::function<bool()> next, std::function<void()> reset = {});

    // Groups nest in the order they are added: the first is the outermost.
    Group& addGroup(std::function<QVariant()> key);
    SubDetail& addSubDetail(std::shared_ptr<DataSource> source);
    SubDetail& addSubDetail(std::function<bool()> next, std::function<void()> reset = {});

    // Report-level handlers: before the first band (reset totals, fill headings) and after the last.
    std::function<void()> onStart;
    std::function<void()> onFinish;

    // Renders the report. progress, when given, receives 0..100 as rows are printed.
    PageSet run(const std::function<void(int percent)>& progress = {});

    // While run() works: the number of the page being filled (from 1).
    int currentPage() const { return m_currentPage; }

private:
    friend class Layout;
    Band* band(std::unique_ptr<Band>& slot, double height);

    QString m_title;
    Orientation m_orientation = Orientation::Portrait;
    Margins m_margins;
    Font m_font;
    std::unique_ptr<Band> m_pageHeader, m_title_, m_columnHeader, m_detail, m_summary, m_pageFooter;
    std::shared_ptr<DataSource> m_source;
    std::vector<std::unique_ptr<Group>> m_groups;
    std::vector<std::unique_ptr<SubDetail>> m_subDetails;
    int m_currentPage = 0;
};

} // namespace report
