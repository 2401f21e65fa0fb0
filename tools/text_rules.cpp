#include "tools/text_rules.h"

#include <QByteArray>
#include <QList>

#include <cerrno>
#include <iconv.h>

namespace tools {

namespace {

constexpr int kMinKeywordBytes = 4;
constexpr int kUnwritableWidth = 2; // a character GBK cannot write counts as a Chinese character

bool trimmed(QChar c)
{
    return c.unicode() <= 32;
}

// One conversion from UTF-8 to GBK, closed when it goes out of scope.
class GbkEncoder {
public:
    GbkEncoder() : m_cd(iconv_open("GBK", "UTF-8")) {}
    ~GbkEncoder()
    {
        if (valid())
            iconv_close(m_cd);
    }
    GbkEncoder(const GbkEncoder &) = delete;
    GbkEncoder &operator=(const GbkEncoder &) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Bytes of one character in GBK, or -1 when GBK has no such character.
    int width(char32_t codePoint)
    {
        const QByteArray in = QString::fromUcs4(&codePoint, 1).toUtf8();
        char out[16];
        char *inPtr = const_cast<char *>(in.constData());
        size_t inLeft = size_t(in.size());
        char *outPtr = out;
        size_t outLeft = sizeof out;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr); // a fresh state for every character
        const size_t rc = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (rc == size_t(-1) || inLeft != 0 || rc != 0) // rc > 0: written only by approximation
            return -1;
        return int(sizeof out - outLeft);
    }

private:
    iconv_t m_cd;
};

} // namespace

QString trimKeyword(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && trimmed(text.at(begin)))
        ++begin;
    while (end > begin && trimmed(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

int gbkByteLength(const QString &text)
{
    GbkEncoder gbk;
    int bytes = 0;
    const QList<uint> codePoints = text.toUcs4();
    for (const uint c : codePoints) {
        int w = -1;
        if (gbk.valid())
            w = gbk.width(c);
        else
            w = c < 0x80 ? 1 : 2; // without a converter: ASCII 1, every other character 2
        bytes += w > 0 ? w : kUnwritableWidth;
    }
    return bytes;
}

bool keywordLongEnough(const QString &keyword)
{
    return gbkByteLength(keyword) >= kMinKeywordBytes;
}

QString noteForStore(const QString &editorText)
{
    QString text = editorText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString textForEditor(const QString &stored)
{
    QString text = stored;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace tools
