// Any bytes a host's file may hold: decoded, cut into lines, and written back
// both in the encoding they were read in and in the default one.

#include "fuzzsupport.h"
#include "textfile.h"

using namespace kvidrel;

namespace {

QString joinedWithBreaks(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::quietQt();
    const QByteArray bytes = fuzz::bytesOf(data, size);
    TextEncoding encoding = TextEncoding::Ansi;
    const QString text = decodeText(bytes, &encoding);
    const QStringList lines = splitLines(text);
    for (const QString &line : lines)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));

    // A file without a mark is rewritten byte for byte.
    if (encoding == TextEncoding::Ansi || encoding == TextEncoding::Utf8NoMark)
        FUZZ_CHECK(encodeText(text, encoding) == bytes);

    // What writeLines stores reads back as the same lines.
    const QString joined = joinedWithBreaks(lines);
    FUZZ_CHECK(splitLines(decodeText(encodeText(joined, encoding))) == lines);
    if (!fuzz::hasLoneSurrogate(joined))
        FUZZ_CHECK(splitLines(decodeText(encodeText(joined, TextEncoding::Ansi))) == lines);
    return 0;
}
