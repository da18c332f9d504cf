#pragma once

#include <QFileDevice>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace kvidrel {

// Raised when a file cannot be read or written; the windows show it as the
// default error message and the handler stops there.
class FileError : public std::runtime_error
{
public:
    explicit FileError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

enum class TextEncoding
{
    Ansi,
    Utf8,       // with its byte-order mark
    Utf8NoMark, // as current editors save it
    Utf16LE,
    Utf16BE
};

// The lines of a text file together with the encoding it was read in, so that a
// list read with a byte-order mark is written back the same way.
struct TextLines
{
    QStringList lines;
    TextEncoding encoding = TextEncoding::Ansi;
};

namespace ansi {
// Windows-1252; every byte decodes (the five unassigned ones to U+0081 etc.).
QString decode(const QByteArray &bytes);
// Characters the code page cannot hold become '?'.
QByteArray encode(const QString &text);
char encodeChar(QChar c); // '?' when not representable
} // namespace ansi

// Decodes bytes by their byte-order mark; without one, bytes that are valid
// UTF-8 and hold a multi-byte sequence are UTF-8, anything else the ANSI code page.
QString decodeText(const QByteArray &bytes, TextEncoding *encoding = nullptr);
// Mark included. Text the ANSI code page cannot hold, or whose code-page bytes
// decodeText would take for UTF-8, is written as UTF-8 with its mark rather than
// lose or change characters.
QByteArray encodeText(const QString &text, TextEncoding encoding);

// Whether every character of text has a place in the ANSI code page.
bool fitsAnsi(const QString &text);

// Our own Danish words for why a file operation failed, with the file's name.
QString fileErrorText(const QString &verb, const QString &path, QFileDevice::FileError error);

// Cuts at CR LF, lone CR and lone LF; a final break adds no empty line.
QStringList splitLines(const QString &text);

// Throws FileError when the file cannot be opened. Only regular files (and
// links to them) are read: a pipe or a device would block for good.
TextLines readLines(const QString &path);
QStringList readLineList(const QString &path);

// Every line followed by CR LF, in encoding.
QByteArray encodeLines(const QStringList &lines, TextEncoding encoding);

// Every line followed by CR LF. Written to a temporary file and renamed over the
// old one, so a failure leaves either the old file or the new one.
void writeLines(const QString &path, const QStringList &lines,
                TextEncoding encoding = TextEncoding::Ansi);
void writeLines(const QString &path, const TextLines &text);

// Comment texts: lines joined by CR LF, no break after the last line; a lone CR
// or LF reads as CR LF.
QString readComment(const QString &path, TextEncoding *encoding = nullptr);
void writeComment(const QString &path, const QString &text,
                  TextEncoding encoding = TextEncoding::Ansi);

// Writes bytes through a temporary file in the same folder, or in place when the
// folder allows no new file but the file may be written; throws FileError.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace kvidrel
