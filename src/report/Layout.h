#pragma once

#include "report/Fonts.h"
#include "report/PageSet.h"

#include <functional>
#include <vector>

namespace report {

class Band;
class Report;

// One run of a report: walks its bands and rows and places them on pages.
class Layout {
public:
    Layout(Report& report, const std::function<void(int)>& progress);
    PageSet run();

private:
    bool printBand(Band& band, bool newPageFirst = false);
    void place(Band& band, bool mayBreak, bool newPageFirst);
    void printRow();
    void printSubDetails();
    void startPage();
    void finishPage();
    void newPage();
    bool pageHasBody() const;
    void reportProgress(int rows, int total);

    Report& m_report;
    const std::function<void(int)>& m_progress;
    TextMeasure m_measure;
    PageSet m_out;
    double m_y = 0;
    double m_bodyTop = 0;
    double m_bodyBottom = 0;
    int m_lastPercent = -1;
    struct PageNumberRef {
        int page;
        int item;
        QString pattern;
    };
    std::vector<PageNumberRef> m_pageNumbers;
};

} // namespace report
