#pragma once

// The vertical point bar beside the board: it fills from the bottom, blue on
// sky blue, and looks different once it has arrived (paused), so the players
// see that the question is open.

#include "drawtypes.h"

#include <QWidget>

namespace kvidrel {

class TPointBar : public QWidget
{
public:
    enum class TTilstand
    {
        Normal,
        Pause
    };

    explicit TPointBar(QWidget *AOwner = nullptr);

    std::int32_t Min() const { return FMin; }
    std::int32_t Max() const { return FMax; }
    // Kept within Min to Max.
    std::int32_t Position() const { return FPosition; }
    void SetPosition(std::int32_t Value);
    void StepIt() { SetPosition(FPosition + 1); }
    TTilstand Tilstand() const { return FTilstand; }
    void SetTilstand(TTilstand Value);

    TColor BarFarve() const { return FBarFarve; }
    TColor BaggrundFarve() const { return FBaggrundFarve; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::int32_t FMin = 0;
    std::int32_t FMax = 100;
    std::int32_t FPosition = 0;
    TTilstand FTilstand = TTilstand::Pause;
    TColor FBarFarve = clBlue;
    TColor FBaggrundFarve = 0xF0CAA6; // sky blue
};

// The colour the bar is drawn in while paused.
constexpr TColor pauseFarve = 0x800000; // navy

} // namespace kvidrel
