#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace hr {

// Text conversion between Unicode and the single-byte code pages of Paradox tables, through iconv
// (Qt's own codecs do not cover the DOS code pages such as CP852).
class CodePage
{
public:
    // Paradox records the code page as a number (852, 1250, ...); 0 means unmarked.
    explicit CodePage(int number);
    ~CodePage();
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    bool isValid() const;
    int number() const { return m_number; }

    // Bytes that the code page does not define become U+FFFD.
    QString decode(const char* bytes, qsizetype size) const;
    // nullopt when a character has no byte in this code page.
    std::optional<QByteArray> encode(const QString& text) const;

private:
    int m_number;
    void* m_toUnicode;
    void* m_fromUnicode;
};

} // namespace hr
