#include "billedfelt.h"

#include "skala.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace kvidrel {

namespace {

// Why reader could not read its picture, as the host can act on it.
// stoerrelse and format are what the reader told before it tried.
QString aarsag(const QImageReader &reader, QSize stoerrelse, QImage::Format format)
{
    if (reader.error() == QImageReader::UnsupportedFormatError)
        return QStringLiteral("dens format kendes ikke.");
    // The reader refuses a picture whose pixels would take more memory than
    // its limit allows, and tells only that it could not read the data.
    const int graense = QImageReader::allocationLimit();
    if (!stoerrelse.isValid() || graense <= 0)
        return reader.errorString() + u'.';
    // A reader that failed on a broken header may tell a format it never
    // set; only a known one is looked up.
    const bool kendt = format > QImage::Format_Invalid && format < QImage::NImageFormats;
    const qint64 bits = kendt ? QImage::toPixelFormat(format).bitsPerPixel() : 32;
    const qint64 bytes = qint64(stoerrelse.width()) * stoerrelse.height() * bits / 8;
    if (bytes > qint64(graense) * 1024 * 1024)
        return QStringLiteral("det er %1 × %2 punkter, og et billede må højst fylde %3 MB.")
            .arg(stoerrelse.width())
            .arg(stoerrelse.height())
            .arg(graense);
    return reader.errorString() + u'.';
}

} // namespace

BilledFelt::BilledFelt(QWidget *parent) : QWidget(parent) {}

void BilledFelt::LoadFromFile(const QString &path)
{
    const QString navn = QDir::toNativeSeparators(path);
    // Only a regular file: a pipe in its place would block for good.
    if (!QFileInfo(path).isFile())
        throw FileError(
            QStringLiteral("Billedet \"%1\" kan ikke indlæses: filen findes ikke.").arg(navn));
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stoerrelse = reader.size();
    const QImage::Format format = reader.imageFormat();
    QImage image = reader.read();
    if (image.isNull())
        throw FileError(QStringLiteral("Billedet \"%1\" kan ikke indlæses: %2")
                            .arg(navn, aarsag(reader, stoerrelse, format)));
    m_image = std::move(image);
    m_vist = QImage();
    update();
}

void BilledFelt::visFil(const QString &path)
{
    try {
        if (!path.isEmpty()) {
            LoadFromFile(path);
            return;
        }
    } catch (const FileError &) {
    }
    Clear();
}

void BilledFelt::Clear()
{
    m_image = QImage();
    m_vist = QImage();
    update();
}

bool BilledFelt::kanIndlaese(const QString &path)
{
    QImageReader reader(path);
    return reader.canRead();
}

QString BilledFelt::dialogFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QStringLiteral("Billeder (%1);;Alle filer (*)").arg(patterns.join(u' '));
}

void BilledFelt::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    const QSize size = m_image.size().scaled(this->size(), Qt::KeepAspectRatio);
    const QPoint corner((width() - size.width()) / 2, (height() - size.height()) / 2);
    // Scaled from the file's own pixels straight to the screen's, at the full
    // screen board's scale too, never through a picture at design size.
    const qreal scale = maleSkala(painter);
    const QSize pixels = skaleretStoerrelse(size, scale);
    if (m_vist.size() != pixels || !sammeSkala(m_vist.devicePixelRatio(), scale)) {
        m_vist = m_image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_vist.setDevicePixelRatio(scale);
    }
    visBillede(painter, m_vist, corner);
}

} // namespace kvidrel
