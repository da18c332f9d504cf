#include "billedfelt.h"

#include "skala.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace kvidrel {

BilledFelt::BilledFelt(QWidget *parent) : QWidget(parent) {}

void BilledFelt::LoadFromFile(const QString &path)
{
    // Only a regular file: a pipe in its place would block for good.
    QImage image;
    if (QFileInfo(path).isFile()) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        image = reader.read();
    }
    if (image.isNull())
        throw FileError(QStringLiteral("Billedet \"%1\" kan ikke indlæses: filen findes ikke, "
                                       "eller dens format kendes ikke.")
                            .arg(QDir::toNativeSeparators(path)));
    m_image = std::move(image);
    m_vist = QImage();
    update();
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
