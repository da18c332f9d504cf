#include "xbitmap.h"

namespace kvidrel {

TXBitmap::TXBitmap(QWidget *AOwner) : TXFelter(AOwner)
{
    FFeltBitmap.SetOnChange([this] { Invalidate(); });
}

TXBitmap::~TXBitmap()
{
    FFeltBitmap.SetOnChange({});
}

void TXBitmap::MakeBitmap(std::int32_t Nr)
{
    if (!GyldigtFelt(Nr))
        return;
    const TXFelt &T = FFelt[std::size_t(Nr)];
    switch (FSkemaRamme.SkemaBitType()) {
    case sbIngen:
        if (T.SkemaFelt)
            return;
        break;
    case sbKun:
        if (!T.SkemaFelt)
            return;
        break;
    case sbAlle:
        break;
    }
    FFeltBitmap.PutBitmapListe(Nr, Canvas(), T.SkemaFelt ? T.SIR : T.IR, T.FSit);
}

void TXBitmap::Paint()
{
    TXFelter::Paint();
    FFeltBitmap.SetAntal(FAntalFelter);
    for (std::int32_t I = 0; I < FAntalFelter; ++I)
        MakeBitmap(I);
}

} // namespace kvidrel
