#include "bitmapfelter.h"

#include <QTimer>

namespace kvidrel {

TBitmapFelter::TBitmapFelter(QWidget *AOwner) : TFelter(AOwner)
{
    FFeltBitmap.SetOnChange([this] { BitmapChange(); });
}

TBitmapFelter::~TBitmapFelter()
{
    FFeltBitmap.SetOnChange({});
    delete FTimer.data();
}

void TBitmapFelter::BitmapChange()
{
    Invalidate();
}

QTimer *TBitmapFelter::Timer() const
{
    return FTimer.data();
}

void TBitmapFelter::SetTimer(QTimer *Value)
{
    if (Value == FTimer.data())
        return;
    QObject::disconnect(FTimerForbindelse);
    FTimer = Value;
    if (FTimer) {
        FTimer->stop();
        FTimerForbindelse =
            QObject::connect(FTimer.data(), &QTimer::timeout, this, [this] { AktivTimer(); });
    }
}

void TBitmapFelter::SetTimerType(TTimerType Value)
{
    FTimerType = Value;
    FFeltBitmap.SetCompoColor(FFeltRamme.FeltFarve());
    FFeltBitmap.SetAnimation(Value != ttIngen);
}

void TBitmapFelter::StartTimer()
{
    if (!FTimer || FTimer->isActive())
        return;
    FTimer->start();
    FFeltBitmap.SetAnimation(true);
}

void TBitmapFelter::SlutTimer()
{
    if (!FTimer || !FTimer->isActive())
        return;
    FTimer->stop();
    FFeltBitmap.SetTimerNr(0);
    FFeltBitmap.SetAnimation(false);
}

void TBitmapFelter::AktivTimer()
{
    std::int32_t Nr = 0;
    switch (FTimerType) {
    case ttIngen:
        return;
    case ttOver:
        // Nothing is highlighted: no picture to move on.
        if (GyldigtFelt(OverNr)) {
            const TFelt &T = FFelt[std::size_t(OverNr)];
            FFeltBitmap.PutBitmapListe(OverNr + FStartNr, Canvas(), T.IR, T.FSit);
        }
        Nr = OverNr;
        break;
    case ttKonstant:
        for (std::int32_t I = 0; I < FAntalFelter; ++I)
            MakeBitmap(I);
        Nr = FAntalFelter - 1;
        break;
    }
    if (FOnAni)
        FOnAni(Nr, FFeltBitmap.TimerNr() + 1);
    FFeltBitmap.NaesteTimerNr(FTimerSekvenser);
}

void TBitmapFelter::MakeBitmap(std::int32_t Nr)
{
    if (!GyldigtFelt(Nr))
        return;
    const TFelt &T = FFelt[std::size_t(Nr)];
    FFeltBitmap.PutBitmapListe(FStartNr + Nr, Canvas(), T.IR, T.FSit);
}

void TBitmapFelter::Paint()
{
    TFelter::Paint();
    if (FAntalFelter == 0)
        return;
    FFeltBitmap.SetAntal(FAntalFelter);
    for (std::int32_t I = 0; I < FAntalFelter; ++I)
        MakeBitmap(I);
}

} // namespace kvidrel
