#include "textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <array>

namespace kvidrel {

namespace {

// Windows-1252 0x80..0x9F; the unassigned bytes map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString reasonText(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::PermissionsError:
        return QStringLiteral("Adgang nægtet.");
    case QFileDevice::ResourceError:
        return QStringLiteral("Der er ikke plads nok, eller for mange filer er åbne.");
    case QFileDevice::ReadError:
        return QStringLiteral("Filen kunne ikke læses.");
    case QFileDevice::WriteError:
        return QStringLiteral("Filen kunne ikke skrives.");
    case QFileDevice::RenameError:
        return QStringLiteral("Filen kunne ikke omdøbes.");
    case QFileDevice::CopyError:
        return QStringLiteral("Filen kunne ikke kopieres.");
    case QFileDevice::RemoveError:
        return QStringLiteral("Filen kunne ikke slettes.");
    default:
        return QStringLiteral("Filen findes ikke eller kan ikke åbnes.");
    }
}

bool isValidUtf8WithMultiByte(const QByteArray &bytes)
{
    bool multiByte = false;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        int follow = 0;
        char32_t code = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            follow = 1;
            code = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            follow = 2;
            code = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            follow = 3;
            code = b & 0x07;
        } else {
            return false;
        }
        if (i + follow >= n) // cut off at the end
            return false;
        for (int k = 1; k <= follow; ++k) {
            const unsigned char c = p[i + k];
            if ((c & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((follow == 2 && code < 0x800) || (follow == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        multiByte = true;
        i += follow + 1;
    }
    return multiByte;
}

} // namespace

QString fileErrorText(const QString &verb, const QString &path, QFileDevice::FileError error)
{
    return QStringLiteral("Kan ikke %1 filen \"%2\". %3").arg(verb, path, reasonText(error));
}

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
        // One mark is taken off; a second one is text and stays.
        QStringDecoder toText(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return toText(QByteArrayView(bytes).sliced(3));
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
    if (isValidUtf8WithMultiByte(bytes)) {
        setEncoding(TextEncoding::Utf8NoMark);
        return QString::fromUtf8(bytes);
    }
    setEncoding(TextEncoding::Ansi);
    return ansi::decode(bytes);
}

bool fitsAnsi(const QString &text)
{
    for (QChar c : text) {
        if (ansi::encodeChar(c) == '?' && c != u'?')
            return false;
    }
    return true;
}

QByteArray encodeText(const QString &text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf8NoMark:
        // A text that begins with the mark's character would lose it on reading.
        return text.startsWith(QChar(0xFEFF)) ? encodeText(text, TextEncoding::Utf8)
                                              : text.toUtf8();
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
    QByteArray bytes = ansi::encode(text);
    // Code-page bytes that happen to be UTF-8 would read back as other letters
    // ("Ã¦" as "æ"), and a text that begins like a mark ("ï»¿", "ÿþ", "þÿ") in
    // another encoding; the mark keeps them apart.
    if (!fitsAnsi(text) || isValidUtf8WithMultiByte(bytes) || bytes.startsWith("\xEF\xBB\xBF") ||
        bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return encodeText(text, TextEncoding::Utf8);
    return bytes;
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
    if (!QFileInfo(path).isFile())
        throw FileError(fileErrorText(QStringLiteral("åbne"), path, QFileDevice::OpenError));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(fileErrorText(QStringLiteral("åbne"), path, file.error()));
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
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(fileErrorText(QStringLiteral("oprette"), path, file.error()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(fileErrorText(QStringLiteral("skrive"), path, file.error()));
}

QByteArray encodeLines(const QStringList &lines, TextEncoding encoding)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return encodeText(text, encoding);
}

void writeLines(const QString &path, const QStringList &lines, TextEncoding encoding)
{
    writeFileAtomically(path, encodeLines(lines, encoding));
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
