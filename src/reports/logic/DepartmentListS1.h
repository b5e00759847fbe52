#pragma once

#include <memory>

namespace report { class Report; }

namespace kzp {

class Session;
class TDM;

// The department dictionary S1: the company lines, every department in table order with its
// line number, symbol and name, and the closing line "Koniec". The report reads the departments
// cursor while it runs and puts it back on the row it was on.
std::unique_ptr<report::Report> makeDepartmentListS1(TDM& dm, const Session& session);

} // namespace kzp
