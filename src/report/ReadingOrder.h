#pragma once

#include "report/PageSet.h"

#include <vector>

namespace report {

// A page read as a text reader reads it: rows of texts from the top, each row left to right.
// A horizontal line is a row of its own (text is empty, line is set).
struct ReadingRow {
    double y = 0;
    std::vector<const TextItem*> texts;
    const LineItem* line = nullptr;
    double lineFrom = 0; // extent of the line row, in millimetres
    double lineTo = 0;
};

std::vector<ReadingRow> readingRows(const Page& page, bool withLines);

} // namespace report
