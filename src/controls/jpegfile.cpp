#include "jpegfile.h"

#include "textfile.h"

#include <QFile>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace kvidrel::jpeg {

namespace {

// libjpeg's default error handler ends the process; ours jumps back to the
// function that set the jump point. Those functions create no C++ objects
// after setjmp, so the jump skips no destructor.
struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void raiseError(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Corrupt-data warnings would otherwise go to stderr.
extern "C" void ignoreMessage(j_common_ptr) {}

void attachErrors(ErrorManager &err, j_common_ptr cinfo)
{
    cinfo->err = jpeg_std_error(&err.pub);
    err.pub.error_exit = raiseError;
    err.pub.output_message = ignoreMessage;
    err.message[0] = '\0';
}

bool compress(jpeg_compress_struct &cinfo, ErrorManager &err, const QImage &rgb, int quality,
              unsigned char **buffer, unsigned long *size)
{
    if (setjmp(err.jump))
        return false;
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, size);
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

bool readHeader(jpeg_decompress_struct &cinfo, ErrorManager &err, const QByteArray &bytes)
{
    if (setjmp(err.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGB;
    jpeg_calc_output_dimensions(&cinfo);
    return true;
}

// image has the output size and 3 (RGB) or 4 (CMYK) bytes per pixel.
bool readPixels(jpeg_decompress_struct &cinfo, ErrorManager &err, QImage *image)
{
    if (setjmp(err.jump))
        return false;
    jpeg_start_decompress(&cinfo);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image->scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

// Adobe's files store the inks inverted, so there the stored value is the light.
QImage fromCmyk(const QImage &cmyk, bool inverted)
{
    QImage rgb(cmyk.size(), QImage::Format_RGB32);
    for (int y = 0; y < cmyk.height(); ++y) {
        const uchar *in = cmyk.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(rgb.scanLine(y));
        for (int x = 0; x < cmyk.width(); ++x, in += 4) {
            auto light = [&](int i) { return inverted ? int(in[i]) : 255 - int(in[i]); };
            const int k = light(3);
            out[x] = qRgb(light(0) * k / 255, light(1) * k / 255, light(2) * k / 255);
        }
    }
    return rgb;
}

FileError jpegError(const QString &what, const char *reason)
{
    return FileError(QStringLiteral("%1 %2").arg(what, QString::fromLocal8Bit(reason)));
}

} // namespace

QByteArray encode(const QImage &image, int quality)
{
    if (image.isNull())
        throw FileError(QStringLiteral("Et tomt billede kan ikke gemmes som JPEG."));
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    ErrorManager err;
    attachErrors(err, reinterpret_cast<j_common_ptr>(&cinfo));
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    const bool ok = compress(cinfo, err, rgb, std::clamp(quality, 1, 100), &buffer, &size);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes;
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    if (!ok)
        throw jpegError(QStringLiteral("Kan ikke danne JPEG-billedet."), err.message);
    return bytes;
}

QImage decode(const QByteArray &bytes)
{
    jpeg_decompress_struct cinfo{};
    ErrorManager err;
    attachErrors(err, reinterpret_cast<j_common_ptr>(&cinfo));
    QImage image;
    bool ok = readHeader(cinfo, err, bytes);
    if (ok) {
        const bool cmyk = cinfo.out_color_space == JCS_CMYK;
        image = QImage(int(cinfo.output_width), int(cinfo.output_height),
                       cmyk ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
        if (image.isNull()) {
            jpeg_destroy_decompress(&cinfo);
            throw FileError(QStringLiteral("JPEG-billedet er for stort."));
        }
        ok = readPixels(cinfo, err, &image);
        if (ok)
            image = cmyk ? fromCmyk(image, cinfo.saw_Adobe_marker)
                         : image.convertToFormat(QImage::Format_RGB32);
    }
    jpeg_destroy_decompress(&cinfo);
    if (!ok)
        throw jpegError(QStringLiteral("Kan ikke læse JPEG-billedet."), err.message);
    return image;
}

void writeFile(const QString &path, const QImage &image, int quality)
{
    writeFileAtomically(path, encode(image, quality));
}

QImage readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(fileErrorText(QStringLiteral("åbne"), path, file.error()));
    try {
        return decode(file.readAll());
    } catch (const FileError &e) {
        throw FileError(QStringLiteral("\"%1\": %2").arg(path, e.message()));
    }
}

} // namespace kvidrel::jpeg
