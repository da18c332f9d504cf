#include "feltbit.h"

#include "canvas.h"
#include "imagelist.h"
#include "jpegfile.h"
#include "textfile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <limits>
#include <stdexcept>

namespace kvidrel {

namespace {

// Rectangle arithmetic on user-set offsets and limits; saturates instead of
// wrapping round.
std::int32_t plus(std::int64_t a, std::int64_t b)
{
    return std::int32_t(std::clamp<std::int64_t>(a + b, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

// p / q rounded to the nearest integer, halves to the even one; p >= 0, q > 0.
std::int64_t roundHalfEven(std::int64_t p, std::int64_t q)
{
    const std::int64_t quotient = p / q;
    const std::int64_t twice = 2 * (p % q);
    if (twice > q || (twice == q && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

TRect sized(std::int32_t left, std::int32_t top, std::int64_t width, std::int64_t height)
{
    return {left, top, plus(left, width), plus(top, height)};
}

// Pixels that have the transparent colour in the unstyled image are left out of
// the drawn one, so a picture keeps its see-through parts in the selected look.
void makeTransparent(QImage &bitmap, const QImage &original, const QColor &key)
{
    bitmap = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QImage source = original.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = key.rgb() & RGB_MASK;
    const int height = std::min(bitmap.height(), source.height());
    const int width = std::min(bitmap.width(), source.width());
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(bitmap.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if ((in[x] & RGB_MASK) == keyRgb)
                out[x] = 0;
        }
    }
}

void stretchDraw(TCanvas &Can, const TRect &target, const QImage &bitmap)
{
    // An empty or inverted target would mirror the picture; draw nothing there.
    if (target.Width() > 0 && target.Height() > 0)
        Can.StretchDraw(target, bitmap);
}

TImageList &requireList(TImageList *list)
{
    if (!list)
        throw std::logic_error("Der er ingen billedliste.");
    return *list;
}

QImage readBitmapFile(const QString &path)
{
    QImage image;
    if (!image.load(path, "BMP"))
        throw FileError(QStringLiteral("Kan ikke læse billedet \"%1\".").arg(path));
    return image;
}

QByteArray bitmapBytes(const QImage &image, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
        throw FileError(QStringLiteral("Kan ikke danne billedet \"%1\".").arg(path));
    return bytes;
}

} // namespace

std::optional<std::int64_t> BilledIndex(TBitType BitType, std::int32_t Nr, TFeltSit FeltSit,
                                        const TBilledValg &Valg)
{
    const std::int64_t N = Nr;
    const std::int64_t S = Valg.StartIndex;
    const std::int64_t A = Valg.Antal;
    const std::int64_t T = Valg.TimerNr;
    // One column per state; a value past them takes sInaktiv's column.
    const int column = FeltSit <= sOverAktiv ? int(FeltSit) : int(sInaktiv);
    auto pick = [column](std::int64_t s0, std::int64_t s1, std::int64_t s2, std::int64_t s3,
                         std::int64_t s4) {
        const std::int64_t values[] = {s0, s1, s2, s3, s4};
        return values[column];
    };
    switch (BitType) {
    case btSimpel:
        return T + S;
    case btDual:
        return pick(S, S + 1, S + 1, S + 1, S);
    case btTrio:
        return pick(S, S + 2, S + 1, S + 2, N);
    case btUnikTrio:
        return pick(N, 2 * A + N + S, Valg.Animation ? 3 * A + N + T + S : A + N + S, 2 * A + N + S,
                    N);
    case btUnikSimpel:
        return T * A + N + S;
    case btUnikDual:
        return pick(N, A + N + S, A + N + S, A + N + S, N);
    case btAniOver:
        return pick(N, A + N + S, 2 * A + N + T + S, A + N + S, N);
    case btIngen:
        break;
    }
    return std::nullopt;
}

TRect ScalePic(const TRect &R, std::int32_t B, std::int32_t H, bool Centrer)
{
    const std::int64_t FB = std::int64_t(R.Right) - R.Left;
    const std::int64_t FH = std::int64_t(R.Bottom) - R.Top;
    if (B <= 0 || H <= 0 || FB <= 0 || FH <= 0)
        return sized(R.Left, R.Top, 0, 0);
    // The factor as the fraction num / den, so that halves are exact.
    std::int64_t num = 1;
    std::int64_t den = 1;
    if (FB < B) {
        num = FB;
        den = B;
    }
    if (FH < H && FH * den < num * H) {
        num = FH;
        den = H;
    }
    const std::int64_t width = roundHalfEven(B * num, den);
    const std::int64_t height = roundHalfEven(H * num, den);
    std::int32_t left = R.Left;
    std::int32_t top = R.Top;
    if (Centrer && FB > width)
        left = plus(left, (FB - width) / 2);
    if (Centrer && FH > height)
        top = plus(top, (FH - height) / 2);
    return sized(left, top, width, height);
}

TRect CentrerPic(const TRect &R, std::int32_t B, std::int32_t H)
{
    const std::int64_t FB = std::int64_t(R.Right) - R.Left;
    const std::int64_t FH = std::int64_t(R.Bottom) - R.Top;
    std::int32_t left = R.Left;
    std::int32_t top = R.Top;
    if (B < FB)
        left = plus(left, (FB - B) / 2);
    if (H < FH)
        top = plus(top, (FH - H) / 2);
    return sized(left, top, B, H);
}

QString GetExt(const QString &FNavn)
{
    return FNavn.right(3);
}

QString AntalFilNavn(const QString &FNavn)
{
    return FNavn.left(std::max<qsizetype>(0, FNavn.size() - 3)) + QStringLiteral("ant");
}

void TFeltBit::Change() const
{
    if (FOnChange)
        FOnChange();
}

void TFeltBit::CopyListSize()
{
    if (!FBitmapListe)
        return;
    FBredde = FBitmapListe->Width();
    FHojde = FBitmapListe->Height();
}

void TFeltBit::SetGennemsigtig(bool Value)
{
    if (Value == FGennemsigtig)
        return;
    FGennemsigtig = Value;
    Change();
}

void TFeltBit::SetBitmapListe(TImageList *Value)
{
    FBitmapListe = Value;
    if (FRealDim)
        CopyListSize();
    Change();
}

void TFeltBit::SetBitType(TBitType Value)
{
    if (Value == FBitType)
        return;
    FBitType = Value;
    Change();
}

void TFeltBit::SetTransFarve(TColor Value)
{
    if (Value == FTransFarve)
        return;
    FTransFarve = Value;
    Change();
}

void TFeltBit::SetRealDim(bool Value)
{
    if (Value == FRealDim)
        return;
    FRealDim = Value;
    if (Value) {
        FFeltDim = false;
        CopyListSize();
    }
    Change();
}

void TFeltBit::SetFeltDim(bool Value)
{
    if (Value == FFeltDim)
        return;
    FFeltDim = Value;
    if (Value)
        FRealDim = false;
    Change();
}

void TFeltBit::SetX1(std::int32_t Value)
{
    FX1 = Value;
    Change();
}

void TFeltBit::SetY1(std::int32_t Value)
{
    FY1 = Value;
    Change();
}

void TFeltBit::SetHojde(std::int32_t Value)
{
    FHojde = Value;
    Change();
}

void TFeltBit::SetBredde(std::int32_t Value)
{
    FBredde = Value;
    Change();
}

void TFeltBit::SetScale(bool Value)
{
    FScale = Value;
    Change();
}

void TFeltBit::SetCentrer(bool Value)
{
    FCentrer = Value;
    Change();
}

void TFeltBit::SetStartIndex(std::int32_t Value)
{
    if (Value == FStartIndex)
        return;
    FStartIndex = Value;
    Change();
}

void TFeltBit::NaesteTimerNr(std::int32_t Sekvenser)
{
    // Also stops at 0 when the frame count shrank below the current frame.
    FTimerNr = FTimerNr >= Sekvenser - 1 ? 0 : FTimerNr + 1;
}

bool TFeltBit::PutBitmapListe(std::int32_t Nr, TCanvas &Can, TRect FeltR, TFeltSit FeltSit)
{
    if (!FBitmapListe)
        return false;
    TImageList &liste = *FBitmapListe;
    const auto index =
        BilledIndex(FBitType, Nr, FeltSit, {FStartIndex, FAntal, FTimerNr, FAnimation});
    if (!index || *index < 0 || *index >= liste.Count())
        return false;
    const auto billedNr = std::int32_t(*index);

    TRect R = FeltR;
    if (!FFeltDim) {
        R.Left = plus(R.Left, FX1);
        R.Top = plus(R.Top, FY1);
        if (!FRealDim) {
            R.Right = std::min(R.Right, plus(R.Left, std::int64_t(FBredde) - 1));
            R.Bottom = std::min(R.Bottom, plus(R.Top, std::int64_t(FHojde) - 1));
        }
        if (FAnimation && FGennemsigtig) {
            // A transparent frame would show the previous one through it.
            R.Right = plus(R.Left, liste.Width());
            R.Bottom = plus(R.Top, liste.Height());
            const TBrush brush = Can.Brush;
            Can.Brush = {FCompoColor, bsSolid};
            Can.FillRect(R);
            Can.Brush = brush;
        }
    }
    if (ErValgt(FeltSit))
        R = {plus(R.Left, FAktivVandret), plus(R.Top, FAktivLodret), plus(R.Right, FAktivVandret),
             plus(R.Bottom, FAktivLodret)};

    liste.SetDrawingStyle(FeltSit == sInaktiv ? dsSelected : dsNormal);
    QImage bitmap;
    liste.GetBitmap(billedNr, bitmap);
    if (FGennemsigtig)
        makeTransparent(bitmap, liste.Image(billedNr), toQColor(FTransFarve, Can.palette()));

    const std::int32_t B = bitmap.width();
    const std::int32_t H = bitmap.height();
    if (FScale || FCentrer) {
        stretchDraw(Can, FScale ? ScalePic(R, B, H, FCentrer) : CentrerPic(R, B, H), bitmap);
    } else if (FRealDim && std::int64_t(R.Left) + B <= R.Right &&
               std::int64_t(R.Top) + H <= R.Bottom) {
        Can.Draw(R.Left, R.Top, bitmap);
    } else {
        stretchDraw(Can, R, bitmap);
    }
    return true;
}

void TFeltBit::HentBitmap(std::int32_t Index, QImage &Bitmap) const
{
    requireList(FBitmapListe).GetBitmap(Index, Bitmap);
}

QImage TFeltBit::StripBillede() const
{
    const TImageList &liste = *FBitmapListe;
    const std::int64_t width = std::int64_t(liste.Count()) * liste.Width();
    QImage strip;
    if (width <= std::numeric_limits<int>::max())
        strip = QImage(int(width), liste.Height(), QImage::Format_ARGB32);
    if (strip.isNull())
        throw FileError(QStringLiteral("Billederne fylder for meget til én billedfil."));
    for (std::int32_t i = 0; i < liste.Count(); ++i) {
        const QImage image = liste.Image(i);
        for (int y = 0; y < image.height(); ++y) {
            std::copy_n(reinterpret_cast<const QRgb *>(image.constScanLine(y)), image.width(),
                        reinterpret_cast<QRgb *>(strip.scanLine(y)) + i * liste.Width());
        }
    }
    return strip;
}

std::int32_t TFeltBit::GemListe(const QString &FNavn) const
{
    const TImageList &liste = requireList(FBitmapListe);
    const std::int32_t antal = liste.Count();
    if (antal == 0)
        return 0;
    // The picture is encoded before anything is written, so that only a failing
    // disk can leave a count file without its picture.
    const QImage strip = StripBillede();
    const QByteArray bytes = GetExt(FNavn) == QStringLiteral("jpg")
                                 ? jpeg::encode(strip, FJpgKvalitet)
                                 : bitmapBytes(strip, FNavn);
    GemAntal(antal, FNavn);
    writeFileAtomically(FNavn, bytes);
    return antal;
}

std::int32_t TFeltBit::HentListe(const QString &FNavn)
{
    TImageList &liste = requireList(FBitmapListe);
    if (!QFileInfo(FNavn).isFile())
        return 0;
    const std::int32_t antal = HentAntal(FNavn);
    if (antal == 0)
        return 0;
    // Everything is checked before the list is touched, so a bad pair of files
    // leaves the old images in place.
    if (antal < 0)
        throw FileError(QStringLiteral("Antallet i \"%1\" er negativt.").arg(AntalFilNavn(FNavn)));
    const QImage strip =
        GetExt(FNavn) == QStringLiteral("jpg") ? jpeg::readFile(FNavn) : readBitmapFile(FNavn);
    const std::int32_t bredde = strip.width() / antal;
    // A zero width would never move along the strip.
    if (bredde == 0)
        throw FileError(QStringLiteral("Billedet \"%1\" er smallere end de %2 billeder, det "
                                       "skal indeholde.")
                            .arg(FNavn)
                            .arg(antal));

    liste.SetHeight(strip.height());
    liste.SetWidth(bredde);
    liste.Clear();
    // With a width that is no multiple of the count the last piece is narrower;
    // it is cut from what the strip holds and never reaches beyond it.
    for (int x = 0; x < strip.width(); x += bredde)
        liste.Add(strip.copy(x, 0, std::min(bredde, strip.width() - x), strip.height()));
    Change();
    return antal;
}

void TFeltBit::GemAntal(std::int32_t Antal, const QString &FNavn)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<qint32>(Antal, bytes.data());
    writeFileAtomically(AntalFilNavn(FNavn), bytes);
}

std::int32_t TFeltBit::HentAntal(const QString &FNavn)
{
    const QString navn = AntalFilNavn(FNavn);
    if (!QFileInfo::exists(navn))
        return 0;
    QFile file(navn);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(fileErrorText(QStringLiteral("åbne"), navn, file.error()));
    const QByteArray bytes = file.read(4);
    if (bytes.size() < 4)
        throw FileError(QStringLiteral("Filen \"%1\" er for kort til et antal.").arg(navn));
    return qFromLittleEndian<qint32>(bytes.constData());
}

} // namespace kvidrel
