#pragma once

#include "report/PageSet.h"

class QPainter;
class QPrinter;

namespace report {

// Paints one page with its top-left corner at the painter's origin, pxPerMm device pixels to a
// millimetre. The page background is not painted.
void paintPage(QPainter& painter, const Page& page, double pxPerMm);

// Sends every page to the printer (its own page size and orientation follow the page set);
// false when the printer could not be started.
bool printPageSet(const PageSet& pages, QPrinter& printer);

} // namespace report
