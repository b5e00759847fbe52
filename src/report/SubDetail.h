#pragma once

#include "report/Band.h"
#include "report/DataSource.h"

#include <memory>

namespace report {

// Rows printed under each row of the detail band (a document's entries, a member's loans): for
// every detail row the source is reset and walked; the header prints before the first sub-row and
// the footer after the last, also with no rows when printIfEmpty is set.
class SubDetail {
public:
    explicit SubDetail(std::shared_ptr<DataSource> source) : m_source(std::move(source)) {}

    Band& detail() { return m_detail; }
    Band& header(double heightMm = 5.0);
    Band& footer(double heightMm = 5.0);
    Band* headerBand() const { return m_header.get(); }
    Band* footerBand() const { return m_footer.get(); }
    DataSource* source() const { return m_source.get(); }

    bool printIfEmpty = false;

private:
    std::shared_ptr<DataSource> m_source;
    Band m_detail;
    std::unique_ptr<Band> m_header;
    std::unique_ptr<Band> m_footer;
};

} // namespace report
