#include "feltbit.h"
#include "imagelist.h"
#include "jpegfile.h"
#include "testroot.h"
#include "textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace kvidrel;

namespace {

// Three 16 by 8 images in clearly different colours, each with a darker left
// half, so that the order and the cut positions show.
void fill(TImageList &list)
{
    const QRgb colours[] = {qRgb(200, 40, 40), qRgb(40, 200, 40), qRgb(40, 40, 200)};
    for (QRgb c : colours) {
        QImage image(list.Width(), list.Height(), QImage::Format_RGB32);
        image.fill(c);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width() / 2; ++x)
                image.setPixel(x, y, qRgb(qRed(c) / 2, qGreen(c) / 2, qBlue(c) / 2));
        list.Add(image);
    }
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

class PictureFiles : public ::testing::Test
{
protected:
    PictureFiles() : saved(16, 8), loaded(5, 5)
    {
        fill(saved);
        writer.SetBitmapListe(&saved);
        reader.SetBitmapListe(&loaded);
        QImage old(5, 5, QImage::Format_RGB32);
        old.fill(Qt::black);
        loaded.Add(old);
        reader.SetOnChange([this] { ++changes; });
    }

    QString file(const QString &name) const { return dir.path() + u'/' + name; }

    // The loaded list still holds its one old 5 by 5 image.
    void expectUntouched()
    {
        EXPECT_EQ(loaded.Count(), 1);
        EXPECT_EQ(loaded.Width(), 5);
        EXPECT_EQ(changes, 0);
    }

    QTemporaryDir dir;
    TImageList saved;
    TImageList loaded;
    TFeltBit writer;
    TFeltBit reader;
    int changes = 0;
};

} // namespace

TEST_F(PictureFiles, BitmapStripRoundTrip)
{
    EXPECT_EQ(writer.GemListe(file("billeder.bmp")), 3);
    EXPECT_EQ(readAllBytes(file("billeder.ant")), QByteArray("\x03\x00\x00\x00", 4));
    const QByteArray bytes = readAllBytes(file("billeder.bmp"));
    EXPECT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(QImage::fromData(bytes).size(), QSize(48, 8));

    EXPECT_EQ(reader.HentListe(file("billeder.bmp")), 3);
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(loaded.Count(), 3);
    EXPECT_EQ(loaded.Width(), 16);
    EXPECT_EQ(loaded.Height(), 8);
    for (int i = 0; i < 3; ++i) {
        QImage a, b;
        saved.GetBitmap(i, a);
        reader.HentBitmap(i, b);
        EXPECT_EQ(a.convertToFormat(QImage::Format_RGB32), b.convertToFormat(QImage::Format_RGB32))
            << "image " << i;
    }
}

TEST_F(PictureFiles, JpegStripRoundTrip)
{
    writer.SetJpgKvalitet(95);
    EXPECT_EQ(writer.GemListe(file("billeder.jpg")), 3);
    EXPECT_EQ(readAllBytes(file("billeder.ant")), QByteArray("\x03\x00\x00\x00", 4));
    EXPECT_TRUE(readAllBytes(file("billeder.jpg")).startsWith("\xFF\xD8\xFF"));

    EXPECT_EQ(reader.HentListe(file("billeder.jpg")), 3);
    ASSERT_EQ(loaded.Count(), 3);
    EXPECT_EQ(loaded.Width(), 16);
    for (int i = 0; i < 3; ++i) {
        const QImage image = loaded.Image(i);
        EXPECT_TRUE(near(image.pixel(12, 4), saved.Image(i).pixel(12, 4), 12)) << i;
        EXPECT_LT(qGray(image.pixel(2, 4)) + 20, qGray(image.pixel(12, 4))) << i;
    }

    // The quality unset (0) still saves, at the lowest quality.
    writer.SetJpgKvalitet(0);
    EXPECT_EQ(writer.GemListe(file("lav.jpg")), 3);
    EXPECT_LT(readAllBytes(file("lav.jpg")).size(), readAllBytes(file("billeder.jpg")).size());
}

TEST_F(PictureFiles, OnlyLowerCaseJpgMeansJpeg)
{
    EXPECT_EQ(writer.GemListe(file("x.JPG")), 3);
    EXPECT_TRUE(readAllBytes(file("x.JPG")).startsWith("BM"));
    EXPECT_TRUE(QFile::exists(file("x.ant")));
    EXPECT_EQ(reader.HentListe(file("x.JPG")), 3);
    EXPECT_EQ(GetExt(QStringLiteral("a.jpeg")), QStringLiteral("peg"));
    EXPECT_EQ(AntalFilNavn(QStringLiteral("ab")), QStringLiteral("ant"));
}

TEST_F(PictureFiles, CountFileIsOneLittleEndianInteger)
{
    TFeltBit::GemAntal(0x01020304, file("a.bmp"));
    EXPECT_EQ(readAllBytes(file("a.ant")), QByteArray("\x04\x03\x02\x01", 4));
    EXPECT_EQ(TFeltBit::HentAntal(file("a.bmp")), 0x01020304);
    TFeltBit::GemAntal(-2, file("a.bmp"));
    EXPECT_EQ(readAllBytes(file("a.ant")), QByteArray("\xFE\xFF\xFF\xFF", 4));
    EXPECT_EQ(TFeltBit::HentAntal(file("a.bmp")), -2);

    EXPECT_EQ(TFeltBit::HentAntal(file("ingen.bmp")), 0);
    writeAllBytes(file("kort.ant"), QByteArray("\x03\x00", 2));
    EXPECT_THROW(TFeltBit::HentAntal(file("kort.bmp")), FileError);
}

TEST_F(PictureFiles, UnevenStripGivesOneNarrowerPieceMore)
{
    QImage strip(100, 10, QImage::Format_RGB32);
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 10; ++y)
            strip.setPixel(x, y, qRgb(x * 2, 50, 100));
    ASSERT_TRUE(strip.save(file("ujaevn.bmp"), "BMP"));
    TFeltBit::GemAntal(3, file("ujaevn.bmp"));

    EXPECT_EQ(reader.HentListe(file("ujaevn.bmp")), 3);
    ASSERT_EQ(loaded.Count(), 4);
    EXPECT_EQ(loaded.Width(), 33);
    EXPECT_EQ(loaded.Image(2).pixel(32, 0), qRgb(196, 50, 100));
    // The last piece holds the strip's one remaining column and nothing else.
    EXPECT_EQ(loaded.Image(3).pixel(0, 5), qRgb(198, 50, 100));
    EXPECT_EQ(qAlpha(loaded.Image(3).pixel(1, 5)), 0);
    EXPECT_EQ(qAlpha(loaded.Image(3).pixel(32, 9)), 0);
}

TEST_F(PictureFiles, MissingFilesOrZeroCountLoadNothing)
{
    EXPECT_EQ(reader.HentListe(file("ingen.bmp")), 0);
    writer.GemListe(file("uden.bmp"));
    QFile::remove(file("uden.ant"));
    EXPECT_EQ(reader.HentListe(file("uden.bmp")), 0);
    writer.GemListe(file("nul.bmp"));
    TFeltBit::GemAntal(0, file("nul.bmp"));
    EXPECT_EQ(reader.HentListe(file("nul.bmp")), 0);
    expectUntouched();

    TImageList empty;
    TFeltBit bit;
    bit.SetBitmapListe(&empty);
    EXPECT_EQ(bit.GemListe(file("tom.bmp")), 0);
    EXPECT_FALSE(QFile::exists(file("tom.bmp")));
    EXPECT_FALSE(QFile::exists(file("tom.ant")));
}

TEST_F(PictureFiles, BadFilesRaiseAndLeaveTheListAlone)
{
    // More images than pixel columns would never advance along the strip.
    writer.GemListe(file("smal.bmp"));
    TFeltBit::GemAntal(49, file("smal.bmp"));
    EXPECT_THROW(reader.HentListe(file("smal.bmp")), FileError);
    TFeltBit::GemAntal(-1, file("smal.bmp"));
    EXPECT_THROW(reader.HentListe(file("smal.bmp")), FileError);

    writeAllBytes(file("skrald.bmp"), "ikke et billede");
    TFeltBit::GemAntal(2, file("skrald.bmp"));
    EXPECT_THROW(reader.HentListe(file("skrald.bmp")), FileError);
    writeAllBytes(file("skrald.jpg"), "\xFF\xD8\xFF\xE0 ikke et billede");
    EXPECT_THROW(reader.HentListe(file("skrald.jpg")), FileError);
    expectUntouched();

    EXPECT_THROW(writer.GemListe(file("mangler/billeder.bmp")), FileError);
    EXPECT_THROW(writer.GemListe(file("mangler/billeder.jpg")), FileError);
}

TEST(JpegFile, QualityAndBrokenData)
{
    QImage gradient(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            gradient.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) % 256));
    const QByteArray low = jpeg::encode(gradient, 10);
    const QByteArray high = jpeg::encode(gradient, 95);
    EXPECT_LT(low.size(), high.size());
    const QImage back = jpeg::decode(high);
    EXPECT_EQ(back.size(), gradient.size());
    EXPECT_TRUE(near(back.pixel(30, 20), gradient.pixel(30, 20), 12));

    EXPECT_THROW(jpeg::decode(QByteArray()), FileError);
    EXPECT_THROW(jpeg::decode(high.left(2)), FileError);
    EXPECT_THROW(jpeg::encode(QImage(), 50), FileError);
}
