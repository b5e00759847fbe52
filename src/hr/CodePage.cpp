#include "hr/CodePage.h"

#include <cerrno>
#include <iconv.h>

namespace hr {

namespace {

iconv_t openConverter(const QByteArray& to, const QByteArray& from)
{
    return iconv_open(to.constData(), from.constData());
}

bool isOpen(void* cd) { return cd != reinterpret_cast<void*>(iconv_t(-1)); }

} // namespace

CodePage::CodePage(int number)
    : m_number(number)
{
    const QByteArray name = "CP" + QByteArray::number(number);
    m_toUnicode = number > 0 ? openConverter("UTF-8", name) : iconv_t(-1);
    m_fromUnicode = number > 0 ? openConverter(name, "UTF-8") : iconv_t(-1);
}

CodePage::~CodePage()
{
    if (isOpen(m_toUnicode))
        iconv_close(static_cast<iconv_t>(m_toUnicode));
    if (isOpen(m_fromUnicode))
        iconv_close(static_cast<iconv_t>(m_fromUnicode));
}

bool CodePage::isValid() const { return isOpen(m_toUnicode) && isOpen(m_fromUnicode); }

QString CodePage::decode(const char* bytes, qsizetype size) const
{
    if (!isValid() || size <= 0)
        return {};
    auto cd = static_cast<iconv_t>(m_toUnicode);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    // A single-byte character becomes at most 3 bytes of UTF-8.
    QByteArray out(size * 3 + 3, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes);
    size_t inLeft = size_t(size);
    char* dst = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) != size_t(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        if (outLeft < 3)
            break;
        // An undefined byte: show the replacement character and go on with the next byte.
        *dst++ = char(0xEF);
        *dst++ = char(0xBF);
        *dst++ = char(0xBD);
        outLeft -= 3;
        ++in;
        --inLeft;
    }
    return QString::fromUtf8(out.constData(), dst - out.constData());
}

std::optional<QByteArray> CodePage::encode(const QString& text) const
{
    if (!isValid())
        return std::nullopt;
    auto cd = static_cast<iconv_t>(m_fromUnicode);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    QByteArray utf8 = text.toUtf8();
    QByteArray out(utf8.size() + 1, Qt::Uninitialized);
    char* in = utf8.data();
    size_t inLeft = size_t(utf8.size());
    char* dst = out.data();
    size_t outLeft = size_t(out.size());
    if (iconv(cd, &in, &inLeft, &dst, &outLeft) == size_t(-1) || inLeft != 0)
        return std::nullopt;
    out.truncate(dst - out.constData());
    return out;
}

} // namespace hr
