#pragma once

// A field control with a base frame around its whole area, an optional
// background picture inside the frame, and the content rectangle inside both,
// in which the grids lay out their fields and child widgets are aligned.

#include "grundfelt.h"
#include "ramme.h"

#include <QImage>

namespace kvidrel {

class TRammeFelt : public TGrundFelt
{
public:
    explicit TRammeFelt(QWidget *AOwner = nullptr);
    ~TRammeFelt() override;

    // Owned; configured through its own properties, never replaced.
    TXCompoRamme &GrundRamme() { return FGrundRamme; }
    const TXCompoRamme &GrundRamme() const { return FGrundRamme; }
    // Copies the values of Value into the owned frame.
    void SetGrundRamme(const TXCompoRamme &Value) { FGrundRamme.Assign(Value); }
    // Stretched inside the base frame; an empty picture draws nothing.
    const QImage &GrundBitmap() const { return FGrundBitmap; }
    void SetGrundBitmap(const QImage &Value);
    // Shown while the pointer is over a highlighted field.
    TCursor CursorOver() const { return FCursorOver; }
    void SetCursorOver(TCursor Value) { FCursorOver = Value; }

    // The rectangle child widgets are aligned in, from the widget's client
    // rectangle Rect.
    virtual void AdjustClientRect(TRect &Rect);

    // The base frame changed: realign the children and paint again.
    virtual void RammeForandret();
    // The content rectangle from the current size and base frame.
    void BeregnFelt();
    // Every rectangle of the control.
    void BeregnRekter();
    // Draws the base frame and the background picture.
    void MakeRammeFelt();

protected:
    void Paint() override;
    void Malet() override;
    void resizeEvent(QResizeEvent *event) override;

    // Aligns the child widgets (through the contents margins) in AdjustClientRect.
    void JusterBoern();

    TRect GrundRekt; // the whole control, inclusive
    TRect CompoRekt; // the content rectangle
    TRect IndreRekt; // inside the base frame's rings, exclusive
    std::int32_t CBredde = 0;
    std::int32_t CHojde = 0;
    std::int32_t Cx1 = 0;
    std::int32_t Cy1 = 0;
    std::int32_t Cx2 = 0;
    std::int32_t Cy2 = 0;
    TRect InRekt; // where CursorOver is shown
    // The content rectangle is fixed and may be handed to the children as is.
    bool CompoBeregnet = false;

private:
    TXCompoRamme FGrundRamme;
    QImage FGrundBitmap;
    TCursor FCursorOver = crDefault;
};

} // namespace kvidrel
