#include "textfile.h"

#include <QFile>
#include <QSaveFile>
#include <array>

namespace kvidrel {

namespace {

// Windows-1252 0x80..0x9F; the unassigned bytes map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fileErrorText(const QString &verb, const QString &path, const QString &reason)
{
    return QStringLiteral("Kan ikke %1 filen \"%2\". %3").arg(verb, path, reason);
}

} // namespace

namespace ansi {

QString decode(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        out->unicode() = (u >= 0x80 && u < 0xA0) ? kHighControls[u - 0x80] : char16_t(u);
        ++out;
    }
    return text;
}

char encodeChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

QByteArray encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A surrogate pair is one character the code page cannot hold: one '?'.
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        bytes.append(encodeChar(text.at(i)));
    }
    return bytes;
}

} // namespace ansi

QString decodeText(const QByteArray &bytes, TextEncoding *encoding)
{
    auto setEncoding = [encoding](TextEncoding e) {
        if (encoding)
            *encoding = e;
    };
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        setEncoding(TextEncoding::Utf8);
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const bool little = static_cast<unsigned char>(bytes[0]) == 0xFF;
        setEncoding(little ? TextEncoding::Utf16LE : TextEncoding::Utf16BE);
        QString text;
        text.reserve((bytes.size() - 2) / 2);
        for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
            const auto a = static_cast<unsigned char>(bytes[i]);
            const auto b = static_cast<unsigned char>(bytes[i + 1]);
            text.append(QChar(little ? char16_t(a | (b << 8)) : char16_t((a << 8) | b)));
        }
        return text;
    }
    setEncoding(TextEncoding::Ansi);
    return ansi::decode(bytes);
}

QByteArray encodeText(const QString &text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        const bool little = encoding == TextEncoding::Utf16LE;
        QByteArray bytes(little ? "\xFF\xFE" : "\xFE\xFF", 2);
        bytes.reserve(2 + text.size() * 2);
        for (QChar c : text) {
            const char lo = static_cast<char>(c.unicode() & 0xFF);
            const char hi = static_cast<char>(c.unicode() >> 8);
            bytes.append(little ? lo : hi);
            bytes.append(little ? hi : lo);
        }
        return bytes;
    }
    case TextEncoding::Ansi:
        break;
    }
    return ansi::encode(text);
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

static QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(fileErrorText(QStringLiteral("åbne"), path, file.errorString()));
    return file.readAll();
}

TextLines readLines(const QString &path)
{
    TextLines result;
    result.lines = splitLines(decodeText(readBytes(path), &result.encoding));
    return result;
}

QStringList readLineList(const QString &path)
{
    return readLines(path).lines;
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(fileErrorText(QStringLiteral("oprette"), path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(fileErrorText(QStringLiteral("skrive"), path, file.errorString()));
}

void writeLines(const QString &path, const QStringList &lines, TextEncoding encoding)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    writeFileAtomically(path, encodeText(text, encoding));
}

void writeLines(const QString &path, const TextLines &text)
{
    writeLines(path, text.lines, text.encoding);
}

QString readComment(const QString &path, TextEncoding *encoding)
{
    const QString raw = decodeText(readBytes(path), encoding);
    QString text;
    text.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == u'\r' || c == u'\n') {
            text += QStringLiteral("\r\n");
            if (c == u'\r' && i + 1 < raw.size() && raw.at(i + 1) == u'\n')
                ++i;
        } else {
            text += c;
        }
    }
    return text;
}

void writeComment(const QString &path, const QString &text, TextEncoding encoding)
{
    writeFileAtomically(path, encodeText(text, encoding));
}

} // namespace kvidrel
