#pragma once

// Shared by the libFuzzer targets: a quiet Qt, a scratch file, and checks that
// stop the run so the fuzzer records the input.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// The readers log every malformed file; at millions of inputs that is noise.
inline void quietQt()
{
    static const bool done = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        return true;
    }();
    (void)done;
}

// One scratch folder per process, removed when the run ends.
inline QString scratchPath(const QString &name)
{
    static QTemporaryDir dir;
    return dir.path() + u'/' + name;
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "scratch file not written: %s\n", qPrintable(path));
        std::abort();
    }
}

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// A lone surrogate can only come from a broken UTF-16 file; no writer can keep it.
inline bool hasLoneSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

} // namespace fuzz

#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__);         \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
