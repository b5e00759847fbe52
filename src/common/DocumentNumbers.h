#pragma once

namespace store { class Cursor; }

namespace kzp {

// The next number of an accounting document of a year and document code, read from the fund's
// numbering table (cursor over NUMERYDOK). A year and code without a row get a new row with
// NrWstawiony 0 and the answer 1. The row found is not changed.
int nextDocumentNumber(store::Cursor& numbering, int year, int documentCode);

} // namespace kzp
