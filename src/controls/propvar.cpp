#include "propvar.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace kvidrel {

void TegnRulFelt(TCanvas &Can, const TXRamme &F, const TRect &YR, TFeltSit s, bool EnFunktionel,
                 bool BrugOverFarve)
{
    switch (s) {
    case sNormal:
        Can.Brush.Color = F.FeltFarve();
        break;
    case sAktiv:
    case sOverAktiv:
        Can.Brush.Color = F.AktivFarve();
        break;
    case sOver:
        Can.Brush.Color = EnFunktionel ? F.AktivFarve() : F.FeltFarve();
        break;
    case sInaktiv:
        Can.Brush.Color = F.OverFarve();
        break;
    default:
        break;
    }
    Can.Pen.Color = BrugOverFarve && ErUnderMus(s) ? F.OverFarve() : Can.Brush.Color;
    Can.Rectangle(YR.Left, YR.Top, YR.Right, YR.Bottom);
}

TPropVar::TPropVar(QWidget *AOwner) : TRammeFelt(AOwner)
{
    FFeltRamme.SetFarveFelt(true);
    FFeltRamme.SetFeltFarve(clBtnFace);
    FFeltRamme.SetOnChange([this] { RammeChange(); });
}

TPropVar::~TPropVar()
{
    FFeltRamme.SetOnChange({});
}

void TPropVar::SetBrugAktivFarve(bool Value)
{
    FBrugAktivFarve = Value;
    FFeltRamme.SetFarveAktiv(false);
}

void TPropVar::SetBrugOverFarve(bool Value)
{
    FBrugOverFarve = Value;
    FFeltRamme.SetFarveOver(false);
}

void TPropVar::SetBrugOmrids(bool Value)
{
    FBrugOmrids = Value;
    FFeltRamme.SetAnvendOmrids(false);
}

void TPropVar::SetFeltBredde(std::int32_t Value)
{
    FFeltBredde = Value;
    Invalidate();
}

void TPropVar::SetFeltHojde(std::int32_t Value)
{
    FFeltHojde = Value;
    Invalidate();
}

void TPropVar::SaetSitFarver(TXRamme &R, bool Aktiv, bool OverFarve, bool Omrids)
{
    if (FBrugAktivFarve)
        R.SetFarveAktiv(Aktiv);
    if (FBrugOverFarve)
        R.SetFarveOver(OverFarve);
    if (FBrugOmrids)
        R.SetAnvendOmrids(Omrids);
}

TFeltSit TPropVar::Sit(std::int32_t Nr) const
{
    const TFeltGrund *T = FeltGrund(Nr);
    return T ? T->FSit : TFeltSit(sNormal);
}

std::int32_t TPropVar::FeltVed(std::int32_t X, std::int32_t Y) const
{
    for (std::int32_t I = 0; I < FAntalFelter; ++I) {
        const TFeltGrund *T = FeltGrund(I);
        if (!T)
            break;
        if (T->IR.contains(X, Y))
            return I;
    }
    return -1;
}

bool TPropVar::IFelt(std::int32_t Nr, std::int32_t X, std::int32_t Y) const
{
    const TFeltGrund *T = FeltGrund(Nr);
    return T && T->IR.contains(X, Y);
}

void TPropVar::TagFokus()
{
    if (TabStop()) {
        setFocus(Qt::MouseFocusReason);
        BehandlVentende();
    }
}

void TPropVar::TagFokusVedMus()
{
    MusMove = true;
    if (TabStop() && !hasFocus()) {
        setFocus(Qt::MouseFocusReason);
        BehandlVentende();
    }
    MusMove = false;
}

void TPropVar::SlipAktiv()
{
    FeltAktiv(NewNr, false);
    NewNr = -1;
    OldNr = -1;
}

void TPropVar::ToolEnter()
{
    if (FAlleOppe && NewNr == OldNr && OldNr == OverNr) {
        // A highlighted field that is also selected is in sOverAktiv.
        FeltAktiv(NewNr, Sit(NewNr) != sOverAktiv);
    } else {
        FeltAktiv(NewNr, false);
        NewNr = OverNr;
        OldNr = OverNr;
        FeltAktiv(NewNr, true);
    }
}

bool TPropVar::TastNed(std::uint16_t Key)
{
    switch (Key) {
    case tkEnter:
        return Enter();
    case tkMellemrum:
        SkiftOver();
        return true;
    case tkEnd:
    case tkHome:
    case tkVenstre:
    case tkOp:
    case tkHojre:
    case tkNed:
        Naviger(Key);
        return true;
    default:
        return false;
    }
}

void TPropVar::FlytOver(std::int32_t N)
{
    FeltOver(OverNr, false);
    OverNr = N;
    FeltOver(N, true);
    if (FEnFunktionel)
        SlipAktiv();
}

std::int32_t TPropVar::OverMaal(std::uint16_t KeyArt) const
{
    return NavigationsMaal(Gitter(), OverNr, KeyArt,
                           [this](std::int32_t Nr) { return Blokeret(Nr); });
}

void TPropVar::SkiftOver()
{
    if (FEnFunktionel)
        return;
    const std::int32_t N = OverNr >= 0 ? OverNr : OverMaal(tkHojre);
    if (N < 0)
        return;
    const bool Fremhaevet = ErUnderMus(Sit(N));
    FeltOver(N, !Fremhaevet);
}

void TPropVar::TrykNed(std::int32_t I)
{
    NewNr = I;
    if (FToolFunktion) {
        if (FAlleOppe && NewNr == OldNr) {
            // Pressing the selection again may take it away at the release.
            KnabDown = ErValgt(Sit(NewNr));
        } else {
            // Without AlleOppe the selection cannot be pressed again.
            if (NewNr == OldNr)
                return;
            FeltAktiv(OldNr, false);
        }
        FeltAktiv(NewNr, true);
        if (FEnFunktionel)
            FeltOver(OverNr, false);
        MouseNede = true;
        MouseOver = true;
        return;
    }

    MouseNede = true;
    MouseOver = true;
    FeltAktiv(I, true);
}

void TPropVar::ToolFortrudt()
{
    if (FAlleOppe && NewNr == OldNr) {
        FeltAktiv(NewNr, KnabDown);
    } else {
        FeltAktiv(NewNr, false);
        FeltAktiv(OldNr, true);
    }
    // The selection is what it was before the press.
    NewNr = OldNr;
    if (FEnFunktionel)
        FeltOver(OverNr, true);
}

void TPropVar::ToolIndUd(bool Inde, bool SlukOver)
{
    const bool SammeFelt = FAlleOppe && NewNr == OldNr;
    if (Inde) {
        if (!SammeFelt)
            FeltAktiv(OldNr, false);
        FeltAktiv(NewNr, true);
        if (SlukOver && FEnFunktionel)
            FeltOver(OverNr, false);
        MouseOver = true;
        return;
    }
    if (SammeFelt) {
        FeltAktiv(NewNr, KnabDown);
    } else {
        // The old selection comes back while the pointer is outside.
        FeltAktiv(OldNr, true);
        FeltAktiv(NewNr, false);
    }
    if (FEnFunktionel)
        FeltOver(OverNr, true);
    MouseOver = false;
}

void TPropVar::TrykFlyt(bool Inde, bool SlukOver)
{
    if (FToolFunktion) {
        if (Inde != MouseOver)
            ToolIndUd(Inde, SlukOver);
    } else if (Inde && !MouseOver) {
        MouseOver = true;
        FeltAktiv(NewNr, true);
    } else if (!Inde && MouseOver) {
        MouseOver = false;
        FeltAktiv(NewNr, false);
    }
}

void TPropVar::ToolKlikVis()
{
    if (FAlleOppe && NewNr == OldNr) {
        FeltAktiv(NewNr, !KnabDown);
    } else {
        FeltAktiv(OldNr, false);
        FeltAktiv(NewNr, true);
    }
    // The new look is shown before the handlers run.
    BehandlVentende();
    OldNr = NewNr;
    if (FEnFunktionel)
        FeltOver(OverNr, false);
    if (!FAlleOppe) {
        OverCurs = false;
        NormalCursor();
    }
}

void TPropVar::WMSetCursor(std::int32_t X, std::int32_t Y)
{
    FOverCursor.Vis(*this, OverCurs && InRekt.contains(X, Y), CursorOver());
}

void TPropVar::NormalCursor()
{
    FOverCursor.Vis(*this, false, CursorOver());
}

void TPropVar::BegraensAntalFelter()
{
    const std::int64_t Plads =
        std::int64_t(std::max(FAntalVandret, 0)) * std::int64_t(std::max(FAntalLodret, 0));
    if (Plads < FAntalFelter)
        FAntalFelter = std::int32_t(Plads);
    FAntalFelter = std::max(FAntalFelter, 0);
}

void TPropVar::TegnFelt(std::int32_t Nr)
{
    MakeRamme(Nr);
    MakeBitmap(Nr);
    MakeTekst(Nr);
}

void TPropVar::InitOver(std::int32_t FeltNr)
{
    if (FeltNr < 0)
        return;
    if (TFeltGrund *T = SikretFelt(FeltNr))
        T->FSit = sOver;
    OverNr = FeltNr;
}

void TPropVar::InitInAktiv(std::int32_t FeltNr)
{
    if (FeltNr < 0)
        return;
    if (TFeltGrund *T = SikretFelt(FeltNr))
        T->FSit = sInaktiv;
}

void TPropVar::StoerrelseAendret()
{
    FelterBeregnet = false;
}

void TPropVar::RammeForandret()
{
    FelterBeregnet = false;
    TRammeFelt::RammeForandret();
}

void TPropVar::mousePressEvent(QMouseEvent *event)
{
    const QPoint P = event->position().toPoint();
    MouseDown(MusKnap(event->button()), event->modifiers(), P.x(), P.y());
}

void TPropVar::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint P = event->position().toPoint();
    MouseMove(event->modifiers(), P.x(), P.y());
    WMSetCursor(P.x(), P.y());
}

void TPropVar::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint P = event->position().toPoint();
    MouseUp(MusKnap(event->button()), event->modifiers(), P.x(), P.y());
}

void TPropVar::keyPressEvent(QKeyEvent *event)
{
    // Keys the grid does not use go on to the window (Escape, a default button).
    event->setAccepted(KeyDown(TastKode(event->key()), event->modifiers()));
}

void TPropVar::focusInEvent(QFocusEvent *event)
{
    if (ErFokusSkift(event->reason()))
        DoEnter();
}

void TPropVar::focusOutEvent(QFocusEvent *event)
{
    if (ErFokusSkift(event->reason()))
        DoExit();
}

} // namespace kvidrel
