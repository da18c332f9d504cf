#include "rulbar.h"

#include "canvas.h"
#include "skala.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace kvidrel {

TRulBar::TRulBar(QWidget *AOwner) : QWidget(AOwner)
{
    FSkala = std::max(devicePixelRatioF(), qreal(1));
    FRamme.SetArt(rtInd);
    FRamme.SetBredde(0);
    for (TXKnabRamme *Knab : {&FKnabRamme, &FKnabberRamme}) {
        Knab->SetArt(rtUd);
        Knab->SetBredde(1);
        Knab->SetFeltFarve(clBtnFace);
        Knab->SetFarveFelt(true);
    }
    for (TXRamme *R : {static_cast<TXRamme *>(&FRamme), static_cast<TXRamme *>(&FKnabRamme),
                       static_cast<TXRamme *>(&FKnabberRamme)})
        R->SetOnChange([this] { RammeChange(); });
}

TRulBar::~TRulBar() = default;

QSize TRulBar::sizeHint() const
{
    return FOrientering == orLodret ? QSize(FBredde, 120) : QSize(120, FBredde + 1);
}

void TRulBar::Forandret()
{
    if (FOnChange)
        FOnChange();
    OpdaterEgen();
}

void TRulBar::RammeChange()
{
    if (!FStille)
        Forandret();
}

void TRulBar::OpdaterEgen()
{
    if (FCanvas || FBillede.isNull())
        return;
    FBillede.fill(palette().color(QPalette::Window));
    Beregn(nullptr, {0, 0, width(), height()}, FRulAntal);
    Paint();
}

void TRulBar::SetRulAntal(std::int32_t RulAntal)
{
    FCanvas = nullptr;
    FRulAntal = RulAntal;
    OpdaterEgen();
}

void TRulBar::Tegn(const TTegning &Tegning, bool Meld)
{
    if (FCanvas) {
        Tegning(*FCanvas);
        if (Meld && FOnTegnet)
            FOnTegnet();
        return;
    }
    if (FBillede.isNull())
        return;
    {
        TCanvas Can(&FBillede);
        Can.setPalette(palette());
        Tegning(Can);
    }
    update();
}

// Setters that change the look or the layout report always.

void TRulBar::SetBredde(std::int32_t Value)
{
    FBredde = Value;
    updateGeometry();
    Forandret();
}

void TRulBar::SetMinKnabHojde(std::int32_t Value)
{
    FMinKnabHojde = Value;
    Forandret();
}

void TRulBar::SetBandFarve(TColor Value)
{
    FBandFarve = Value;
    Forandret();
}

void TRulBar::SetOrientering(TOrientering Value)
{
    FOrientering = Value;
    updateGeometry();
    Forandret();
}

void TRulBar::SetAfstand(std::int32_t Value)
{
    FAfstand = Value;
    Forandret();
}

void TRulBar::SetMedMark(bool Value)
{
    FMedMark = Value;
    Forandret();
}

void TRulBar::SetMarkFarve(TColor Value)
{
    FMarkFarve = Value;
    Forandret();
}

void TRulBar::SetMaxInterval(std::int32_t Value)
{
    FMaxInterval = Value;
    Forandret();
}

void TRulBar::SetFrekvens(std::int32_t Value)
{
    // A divisor: below 1 it would divide by zero.
    FFrekvens = Value < 1 || FAntalPos % Value != 0 ? 1 : Value;
}

void TRulBar::SetStartTid(std::int32_t Value)
{
    FStartTid = Value;
    if (FRbTid)
        FRbTid->setInterval(Value);
}

void TRulBar::SetMedTimer(bool Value)
{
    FMedTimer = Value;
    if (Value && !FRbTid) {
        FRbTid = new QTimer(this);
        FRbTid->setInterval(FStartTid);
        connect(FRbTid, &QTimer::timeout, this, &TRulBar::OnRbTid);
    } else if (!Value && FRbTid) {
        delete FRbTid;
        FRbTid = nullptr;
    }
}

void TRulBar::AnvendStandard()
{
    FBredde = 16;
    FMinKnabHojde = 16;
    FBandFarve = 0xE0E0E0;
    FReaktion = rtInd;
    FMedMark = true;
    FMarkFarve = 0x808080;

    FRamme.SetArt(rtInd);
    FRamme.SetBredde(0);
    FRamme.SetDybde(0);
    FRamme.SetRifleBredde(0);
    FRamme.SetFarve(clBlack);
    FRamme.SetFarveLys(clBtnHighlight);
    FRamme.SetFarveSkygge(clBtnShadow);
    FRamme.SetOmrids(false);
    for (TXKnabRamme *Knab : {&FKnabRamme, &FKnabberRamme}) {
        Knab->SetArt(rtUd);
        Knab->SetBredde(1);
        Knab->SetDybde(0);
        Knab->SetRifleBredde(0);
        Knab->SetFeltFarve(clBtnFace);
        Knab->SetFarveFelt(true);
        Knab->SetFarveLys(clBtnHighlight);
        Knab->SetFarveSkygge(clBtnShadow);
        Knab->SetOmrids(false);
    }
    FKnabRamme.SetFarve(clBlack);
}

void TRulBar::SetRulBarType(TRulBarType Value)
{
    if (Value == FRulBarType)
        return;
    FRulBarType = Value;
    if (Value == rbSelvDef)
        return;

    FStille = true;
    AnvendStandard();
    const auto BeggeKnabber = [this](auto &&Saet) {
        Saet(FKnabRamme);
        Saet(FKnabberRamme);
    };
    const auto Riflet = [](TXKnabRamme &Knab, std::int32_t Bredde) {
        Knab.SetArt(rtRiflet);
        Knab.SetBredde(Bredde);
        Knab.SetDybde(1);
        Knab.SetRifleBredde(1);
        Knab.SetFarve(0x808080);
    };
    switch (Value) {
    case rbSelvDef:
    case rbType1:
        break;
    case rbType2:
        FBredde = 12;
        FMinKnabHojde = 12;
        FBandFarve = 0xC0C0C0;
        FReaktion = rtInd;
        BeggeKnabber([](TXKnabRamme &Knab) {
            Knab.SetArt(rtIngen);
            Knab.SetFarve(0x808080);
        });
        break;
    case rbType3:
        FMinKnabHojde = 8;
        FReaktion = rtUd;
        BeggeKnabber([](TXKnabRamme &Knab) {
            Knab.SetArt(rtInd);
            Knab.SetBredde(2);
            Knab.SetDybde(1);
        });
        break;
    case rbType4:
    case rbType7:
        if (Value == rbType4) {
            FBredde = 18;
        } else {
            FBredde = 24;
            FRamme.SetArt(rtUd);
            FRamme.SetBredde(4);
            FRamme.SetDybde(1);
            FRamme.SetFarve(clBtnFace);
        }
        FMinKnabHojde = 12;
        FMedMark = false;
        Riflet(FKnabRamme, 4);
        Riflet(FKnabberRamme, 6);
        break;
    case rbType5:
        FBredde = 12;
        FBandFarve = 0xC0C0C0;
        FMarkFarve = 0x000000;
        FRamme.SetArt(rtInd);
        FRamme.SetBredde(1);
        FKnabberRamme.SetFarve(0x808080);
        break;
    case rbType6:
        FBredde = 14;
        FBandFarve = 0xC0C0C0;
        FRamme.SetArt(rtIngen);
        FRamme.SetBredde(1);
        FRamme.SetFarve(clBtnShadow);
        BeggeKnabber([](TXKnabRamme &Knab) {
            Knab.SetArt(rtIngen);
            Knab.SetFarve(0x808080);
        });
        break;
    }
    FStille = false;
    updateGeometry();
    Forandret();
}

void TRulBar::BeregnDim(TCanvas &Can, const TRect &R, std::int32_t RulAntal)
{
    Beregn(&Can, R, RulAntal);
}

void TRulBar::Beregn(TCanvas *Can, const TRect &R, std::int32_t RulAntal)
{
    FCanvas = Can;
    FRulAntal = RulAntal;
    const TRulTrin Trin = BeregnTrin(RulAntal, FFrekvens, FPosition);
    FAntalPos = Trin.AntalPos;
    FFrekvens = Trin.Frekvens;
    FPosition = Trin.Position;
    FPos = Trin.FPos;

    FMaal = BeregnRulBar(
        R, {FOrientering, FBredde, FRamme.Bredde(), FMinKnabHojde, FMaxInterval, FAntalPos});
    FKnabPos = FAntalPos > 0 ? FMaal.KnabStart(FPos) : FMaal.Min;
    FOldPos = FKnabPos;
    FRulR = FMaal.KnabVed(FKnabPos);
}

void TRulBar::Paint()
{
    FKonPos = -1;
    FKnabPos = std::int32_t(double(FPosition) / FFrekvens * FMaal.Interval) + FMaal.Min;
    FOldPos = FKnabPos;
    FRulR = FMaal.KnabVed(FKnabPos);
    FPos = FPosition / FFrekvens;
    Tegn(
        [this](TCanvas &Can) {
            FRamme.MakeRamme(Can, FMaal.CRekt);
            KnabOp(Can, 1, FMaal.OpR);
            KnabOp(Can, 2, FMaal.NedR);
            Can.Brush.Color = FBandFarve;
            Can.FillRect(FMaal.Rekt);
            FKnabRamme.MakeRamme(Can, FRulR);
        },
        false);
}

void TRulBar::PaintPos()
{
    // During a drag only a knob that really moved is drawn again.
    if (FKnabPos == FKonPos)
        return;
    FRulR = FMaal.KnabVed(FKnabPos);
    FKonPos = FKnabPos;
    Tegn(
        [this](TCanvas &Can) {
            Can.Brush.Color = FBandFarve;
            Can.FillRect(FMaal.Rekt);
            FKnabRamme.MakeRamme(Can, FRulR);
        },
        true);
}

void TRulBar::MakePos(bool Regu)
{
    if (Regu) {
        FPosition = FPos * FFrekvens;
        if (FPos == 0)
            FKnabPos = FMaal.Min;
        else if (FPos == FAntalPos)
            FKnabPos = FMaal.Max;
        else
            FKnabPos = FMaal.KnabStart(FPos);
        // A step too small to move the knob is reported with the next one that does.
        if (FKnabPos == FOldPos)
            return;
        FOldPos = FKnabPos;
    }
    PaintPos();
    if (Regu && FOnInterval)
        FOnInterval(FPosition);
}

void TRulBar::MakePosition(std::int32_t PosNr)
{
    if (FAntalPos == 0 || PosNr == FPosition)
        return;
    FPosition = PosNr;
    FPos = PosNr / FFrekvens;
    FKnabPos = FMaal.KnabStart(FPos);
    if (FKnabPos > FMaal.Max)
        FKnabPos = FMaal.Max;
    if (FKnabPos < FMaal.Min)
        FKnabPos = FMaal.Min;
    FOldPos = FKnabPos;
    PaintPos();
}

void TRulBar::MakeMark(TCanvas &Can, std::uint8_t Nr, const TRect &R) const
{
    TPoint P[3];
    if (FOrientering == orLodret) {
        const std::int32_t x1 = R.Left + 3;
        const std::int32_t x2 = R.Right - 3;
        const std::int32_t b = Nr == 1 ? R.Bottom - 4 : R.Top + 4;
        const std::int32_t a = Nr == 1 ? R.Top + 4 : R.Bottom - 4;
        P[0] = {x1, b};
        P[1] = {x2, b};
        P[2] = {(x1 + x2) / 2, a};
    } else {
        const std::int32_t y1 = R.Top + 3;
        const std::int32_t y2 = R.Bottom - 3;
        const std::int32_t b = Nr == 1 ? R.Right - 4 : R.Left + 4;
        const std::int32_t a = Nr == 1 ? R.Left + 4 : R.Right - 4;
        P[0] = {b, y1};
        P[1] = {b, y2};
        P[2] = {a, (y1 + y2) / 2};
    }
    Can.Pen.Color = FMarkFarve;
    Can.Brush.Color = FMarkFarve;
    Can.Polygon(P, 3);
}

void TRulBar::KnabOp(TCanvas &Can, std::uint8_t Nr, const TRect &R) const
{
    FKnabberRamme.MakeRamme(Can, R);
    if (FMedMark)
        MakeMark(Can, Nr, R.shrunk(FKnabberRamme.Bredde()));
}

void TRulBar::KnabNed(TCanvas &Can, std::uint8_t Nr, const TRect &R) const
{
    FKnabberRamme.MakeRammeArt(Can, R, FReaktion);
    if (FMedMark) {
        // The arrow moves a pixel right and down while pressed.
        const std::int32_t B = FKnabberRamme.Bredde();
        MakeMark(Can, Nr, {R.Left + B + 1, R.Top + B + 1, R.Right + 1 - B, R.Bottom + 1 - B});
    }
}

void TRulBar::StartTimer()
{
    if (FRbTid)
        FRbTid->start();
}

void TRulBar::StopTimer()
{
    if (FRbTid) {
        FRbTid->stop();
        FRbTid->setInterval(FStartTid);
    }
}

void TRulBar::MusDown(std::int32_t X, std::int32_t Y)
{
    if (FAntalPos == 0)
        return;
    // Buttons are hit tested without their right and bottom edges.
    if (FMaal.OpR.contains(X, Y)) {
        if (FPos > 0) {
            --FPos;
            Tegn([this](TCanvas &Can) { KnabNed(Can, 1, FMaal.OpR); }, true);
            MakePos(true);
            FMusOpNede = true;
            StartTimer();
        }
    } else if (FMaal.NedR.contains(X, Y)) {
        if (FPos < FAntalPos) {
            ++FPos;
            Tegn([this](TCanvas &Can) { KnabNed(Can, 2, FMaal.NedR); }, true);
            MakePos(true);
            FMusNedNede = true;
            StartTimer();
        }
    } else if (FRulR.contains(X, Y)) {
        FMusNede = true;
    }
}

void TRulBar::OnRbTid()
{
    if (FRbTid)
        FRbTid->setInterval(FMoveTid);
    if (FMusOpNede) {
        if (FPos > 0) {
            --FPos;
            MakePos(true);
        } else if (FRbTid) {
            FRbTid->stop();
        }
    } else if (FMusNedNede) {
        if (FPos < FAntalPos) {
            ++FPos;
            MakePos(true);
        } else if (FRbTid) {
            FRbTid->stop();
        }
    }
}

void TRulBar::MusMove(std::int32_t X, std::int32_t Y)
{
    if (!FMusNede)
        return;
    // The knob's middle follows the mouse.
    const std::int32_t XY = (FOrientering == orLodret ? Y : X) - FMaal.Hojde / 2;
    if (XY == FKnabPos)
        return;
    FKnabPos = XY;
    if (FKnabPos < FMaal.Min) {
        FPos = 0;
        MakePos(true);
        return;
    }
    if (FKnabPos > FMaal.Max) {
        FPos = FAntalPos;
        MakePos(true);
        return;
    }
    MakePos(false);
    const double I = FMaal.Interval;
    if (I <= 0)
        return; // a band without room for steps
    if (FKnabPos >= FOldPos + I) {
        std::int32_t k = std::int32_t((FKnabPos - FOldPos) / I);
        while (FOldPos + (k + 1) * I <= FKnabPos)
            ++k;
        while (k > 0 && FOldPos + k * I > FKnabPos)
            --k;
        // The knob start is rounded down per step, so whole intervals from it
        // can reach past the last step when a step is under a pixel.
        FPos = std::min(FPos + k, FAntalPos);
        MakePos(true);
    } else if (FKnabPos <= FOldPos - I) {
        std::int32_t k = std::int32_t((FOldPos - FKnabPos) / I);
        while (FOldPos - (k + 1) * I >= FKnabPos)
            ++k;
        while (k > 0 && FOldPos - k * I < FKnabPos)
            --k;
        FPos = std::max(FPos - k, 0);
        MakePos(true);
    }
}

void TRulBar::MusUp(std::int32_t, std::int32_t)
{
    // Always released, also when the steps vanished while the mouse was down;
    // a drag left standing would move the knob without a pressed button.
    StopTimer();
    FMusNede = false;
    if (FMusOpNede) {
        Tegn([this](TCanvas &Can) { KnabOp(Can, 1, FMaal.OpR); }, true);
        FMusOpNede = false;
    }
    if (FMusNedNede) {
        Tegn([this](TCanvas &Can) { KnabOp(Can, 2, FMaal.NedR); }, true);
        FMusNedNede = false;
    }
}

void TRulBar::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    const qreal Skala = maleSkala(P);
    if (!FCanvas && !sammeSkala(Skala, FSkala)) {
        FSkala = Skala;
        NytBillede();
    }
    visBillede(P, FBillede);
}

void TRulBar::resizeEvent(QResizeEvent *)
{
    if (!FCanvas)
        NytBillede();
}

void TRulBar::NytBillede()
{
    FBillede = skaleretBillede(size(), FSkala);
    OpdaterEgen();
}

void TRulBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        MusDown(event->position().toPoint().x(), event->position().toPoint().y());
}

void TRulBar::mouseMoveEvent(QMouseEvent *event)
{
    MusMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void TRulBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        MusUp(event->position().toPoint().x(), event->position().toPoint().y());
}

} // namespace kvidrel
