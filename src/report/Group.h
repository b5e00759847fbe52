#pragma once

#include "report/Band.h"

#include <QVariant>

#include <functional>
#include <memory>

namespace report {

// A group of consecutive detail rows with the same key. Its header prints before the first row of
// each group and its footer after the last; with newPage each group begins on a new page.
class Group {
public:
    explicit Group(std::function<QVariant()> key) : m_key(std::move(key)) {}

    Band& header(double heightMm = 5.0);
    Band& footer(double heightMm = 5.0);
    Band* headerBand() const { return m_header.get(); }
    Band* footerBand() const { return m_footer.get(); }
    QVariant key() const { return m_key ? m_key() : QVariant(); }

    bool newPage = false;

private:
    std::function<QVariant()> m_key;
    std::unique_ptr<Band> m_header;
    std::unique_ptr<Band> m_footer;
};

} // namespace report
