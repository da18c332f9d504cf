#pragma once

// A scroll bar of our own: two arrow buttons, a band and a knob whose length
// shows the visible share. It steps one position per button click, repeats
// while a button is held (with MedTimer), follows a dragged knob and reports
// each new position through OnInterval.
//
// The bar draws either on its own widget (the default: give it a size and
// SetRulAntal) or on an owner's canvas: an owner calls BeregnDim with its
// canvas and area and Paint from its own painting, and hands its mouse events
// to MusDown, MusMove and MusUp. Such a canvas must stay valid until the next
// BeregnDim, since button presses, drags and the timer draw on it at once; the
// owner learns of those drawings through OnTegnet. An owner that draws the bar
// itself keeps the widget hidden.

#include "drawtypes.h"
#include "ramme.h"
#include "rulbarmaal.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QTimer;

namespace kvidrel {

class TCanvas;

class TRulBar : public QWidget
{
    Q_OBJECT

public:
    explicit TRulBar(QWidget *AOwner = nullptr);
    ~TRulBar() override;

    std::int32_t Bredde() const { return FBredde; }
    void SetBredde(std::int32_t Value);
    const TNoParam &OnChange() const { return FOnChange; }
    void SetOnChange(TNoParam Value) { FOnChange = std::move(Value); }
    // Storing the position does not move the knob; Paint and MakePosition do.
    std::int32_t Position() const { return FPosition; }
    void SetPosition(std::int32_t Value) { FPosition = Value; }
    std::int32_t MinKnabHojde() const { return FMinKnabHojde; }
    void SetMinKnabHojde(std::int32_t Value);
    // The three frames are owned; setting one copies the given frame's values.
    TXKnabRamme &KnabberRamme() { return FKnabberRamme; }
    const TXKnabRamme &KnabberRamme() const { return FKnabberRamme; }
    void SetKnabberRamme(const TXRamme &Value) { FKnabberRamme.Assign(Value); }
    TXKnabRamme &KnabRamme() { return FKnabRamme; }
    const TXKnabRamme &KnabRamme() const { return FKnabRamme; }
    void SetKnabRamme(const TXRamme &Value) { FKnabRamme.Assign(Value); }
    TColor BandFarve() const { return FBandFarve; }
    void SetBandFarve(TColor Value);
    TRammeType Reaktion() const { return FReaktion; }
    void SetReaktion(TRammeType Value) { FReaktion = Value; }
    std::int32_t Frekvens() const { return FFrekvens; }
    void SetFrekvens(std::int32_t Value);
    TRulBarType RulBarType() const { return FRulBarType; }
    void SetRulBarType(TRulBarType Value);
    std::int32_t StartTid() const { return FStartTid; }
    void SetStartTid(std::int32_t Value);
    std::int32_t MoveTid() const { return FMoveTid; }
    void SetMoveTid(std::int32_t Value) { FMoveTid = Value; }
    const TNummer &OnInterval() const { return FOnInterval; }
    void SetOnInterval(TNummer Value) { FOnInterval = std::move(Value); }
    bool MedTimer() const { return FMedTimer; }
    void SetMedTimer(bool Value);
    TOrientering Orientering() const { return FOrientering; }
    void SetOrientering(TOrientering Value);
    TXRamme &Ramme() { return FRamme; }
    const TXRamme &Ramme() const { return FRamme; }
    void SetRamme(const TXRamme &Value) { FRamme.Assign(Value); }
    // Stored for the owner.
    std::int32_t Afstand() const { return FAfstand; }
    void SetAfstand(std::int32_t Value);
    bool MedMark() const { return FMedMark; }
    void SetMedMark(bool Value);
    TColor MarkFarve() const { return FMarkFarve; }
    void SetMarkFarve(TColor Value);
    std::int32_t MaxInterval() const { return FMaxInterval; }
    void SetMaxInterval(std::int32_t Value);
    // Called after the bar drew on an owner's canvas outside Paint.
    const TNoParam &OnTegnet() const { return FOnTegnet; }
    void SetOnTegnet(TNoParam Value) { FOnTegnet = std::move(Value); }

    // Remembers the owner's canvas and lays the bar out in R for RulAntal positions.
    void BeregnDim(TCanvas &Can, const TRect &R, std::int32_t RulAntal);
    // Lays the bar out over its own widget for RulAntal positions and draws it.
    void SetRulAntal(std::int32_t RulAntal);
    void Paint();
    // Moves the knob to PosNr without reporting it.
    void MakePosition(std::int32_t PosNr);
    // Mouse events in the coordinates of the area given to BeregnDim.
    void MusDown(std::int32_t X, std::int32_t Y);
    void MusMove(std::int32_t X, std::int32_t Y);
    void MusUp(std::int32_t X, std::int32_t Y);

    // The layout and the drawing state.
    const TRulBarMaal &Maal() const { return FMaal; }
    const TRect &RulR() const { return FRulR; }
    std::int32_t AntalPos() const { return FAntalPos; }
    std::int32_t PosNr() const { return FPos; } // current step
    std::int32_t Pos() const { return FKnabPos; }
    std::int32_t OldPos() const { return FOldPos; }
    std::int32_t KonPos() const { return FKonPos; }
    bool MusNede() const { return FMusNede; }
    bool MusOpNede() const { return FMusOpNede; }
    bool MusNedNede() const { return FMusNedNede; }
    QTimer *RbTid() const { return FRbTid; }
    // The bar's own picture, as shown by its widget.
    const QImage &Billede() const { return FBillede; }

    QSize sizeHint() const override;

public slots:
    // Repeat tick: the first comes after StartTid, the following every MoveTid.
    void OnRbTid();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    using TTegning = std::function<void(TCanvas &)>;
    // Draws on the owner's canvas or the bar's own picture; Meld tells an
    // owner about a drawing outside its paint.
    void Tegn(const TTegning &Tegning, bool Meld);
    // Can nullptr: the bar's own picture.
    void Beregn(TCanvas *Can, const TRect &R, std::int32_t RulAntal);
    void Forandret();
    void RammeChange();
    void OpdaterEgen();
    // The bar's own picture made afresh at its size and FSkala, and drawn.
    void NytBillede();
    void AnvendStandard();

    void PaintPos();
    void MakePos(bool Regu);
    void KnabOp(TCanvas &Can, std::uint8_t Nr, const TRect &R) const;
    void KnabNed(TCanvas &Can, std::uint8_t Nr, const TRect &R) const;
    void MakeMark(TCanvas &Can, std::uint8_t Nr, const TRect &R) const;
    const TRect &Knap(std::uint8_t Nr) const { return Nr == 1 ? FMaal.OpR : FMaal.NedR; }
    void StartTimer();
    void StopTimer();

    std::int32_t FBredde = 16;
    TNoParam FOnChange;
    std::int32_t FPosition = 0;
    std::int32_t FMinKnabHojde = 16;
    TXKnabRamme FKnabberRamme;
    TXKnabRamme FKnabRamme;
    TColor FBandFarve = 0xE0E0E0;
    TRammeType FReaktion = rtInd;
    std::int32_t FFrekvens = 1;
    TRulBarType FRulBarType = rbSelvDef;
    std::int32_t FStartTid = 500;
    std::int32_t FMoveTid = 100;
    TNummer FOnInterval;
    bool FMedTimer = false;
    TOrientering FOrientering = orLodret;
    TXRamme FRamme;
    std::int32_t FAfstand = 0;
    bool FMedMark = true;
    TColor FMarkFarve = 0x808080;
    std::int32_t FMaxInterval = 0;
    TNoParam FOnTegnet;

    TCanvas *FCanvas = nullptr;
    bool FMusNede = false;
    bool FMusOpNede = false;
    bool FMusNedNede = false;
    TRulBarMaal FMaal;
    TRect FRulR;
    std::int32_t FKnabPos = 0;
    std::int32_t FOldPos = 0;
    std::int32_t FKonPos = -1;
    std::int32_t FAntalPos = 0;
    std::int32_t FPos = 0;
    QTimer *FRbTid = nullptr;

    std::int32_t FRulAntal = 0; // positions of the last layout
    bool FStille = false;       // frame changes are reported once, by the caller
    QImage FBillede;
    qreal FSkala = 1; // the scale of the last paint, see skala.h
};

} // namespace kvidrel
