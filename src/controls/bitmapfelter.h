#pragma once

// The field grid with a picture in every field, drawn by a field bitmap
// description, and an optional animation driven by a timer on the window.

#include "feltbit.h"
#include "felter.h"

#include <QMetaObject>
#include <QPointer>

#include <functional>

class QTimer;

namespace kvidrel {

enum TTimerType : std::uint8_t
{
    ttIngen,
    ttOver,
    ttKonstant
};

// Called at each animation tick with the last field drawn and the frame number (from 1).
using TAniEvent = std::function<void(std::int32_t Nr, std::int32_t TimerNr)>;

class TBitmapFelter : public TFelter
{
public:
    explicit TBitmapFelter(QWidget *AOwner = nullptr);
    // Also destroys the timer handed to Timer.
    ~TBitmapFelter() override;

    // Owned; configured through its own properties, never replaced.
    TFeltBit &FeltBitmap() { return FFeltBitmap; }
    const TFeltBit &FeltBitmap() const { return FFeltBitmap; }

    TTimerType TimerType() const { return FTimerType; }
    void SetTimerType(TTimerType Value);
    QTimer *Timer() const;
    void SetTimer(QTimer *Value);
    std::int32_t TimerSekvenser() const { return FTimerSekvenser; }
    void SetTimerSekvenser(std::int32_t Value) { FTimerSekvenser = Value; }
    const TAniEvent &OnAni() const { return FOnAni; }
    void SetOnAni(TAniEvent Value) { FOnAni = std::move(Value); }

    // Draws the picture of visible field Nr.
    void MakeBitmap(std::int32_t Nr) override;

    // Without a timer these do nothing.
    void StartTimer();
    void SlutTimer();
    // One animation tick.
    void AktivTimer();

protected:
    void Paint() override;

    TFeltBit FFeltBitmap;
    TTimerType FTimerType = ttIngen;
    QPointer<QTimer> FTimer;
    std::int32_t FTimerSekvenser = 0;
    TAniEvent FOnAni;

private:
    void BitmapChange();

    QMetaObject::Connection FTimerForbindelse;
};

} // namespace kvidrel
