#pragma once

// JPEG pictures in and out of memory and files. Failures are raised as FileError;
// a file is written through a temporary file, so a failed write never leaves a
// torn picture behind.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kvidrel::jpeg {

// Quality outside 1..100 is clamped to it. Transparency is dropped.
QByteArray encode(const QImage &image, int quality);
// An RGB32 image; grey and CMYK pictures are converted.
QImage decode(const QByteArray &bytes);

void writeFile(const QString &path, const QImage &image, int quality);
QImage readFile(const QString &path);

} // namespace kvidrel::jpeg
