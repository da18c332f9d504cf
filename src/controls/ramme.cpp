#include "ramme.h"

#include "canvas.h"

namespace kvidrel {

void TXRamme::Change() const
{
    if (FOnChange)
        FOnChange();
}

void TXRamme::Assign(const TXRamme &Source)
{
    KopierFra(Source);
    Change();
}

void TXRamme::KopierFra(const TXRamme &Source)
{
    FBredde = Source.FBredde;
    FAfstandVandret = Source.FAfstandVandret;
    FRifleBredde = Source.FRifleBredde;
    FDybde = Source.FDybde;
    FFarve = Source.FFarve;
    FArt = Source.FArt;
    FAfstandLodret = Source.FAfstandLodret;
    FFarveFelt = Source.FFarveFelt;
    FFeltFarve = Source.FFeltFarve;
    FRetning = Source.FRetning;
    FKlikType = Source.FKlikType;
    FIndreFelt = Source.FIndreFelt;
    FEkstraNede = Source.FEkstraNede;
    FEkstraHojre = Source.FEkstraHojre;
    FFarveAktiv = Source.FFarveAktiv;
    FAktivFarve = Source.FAktivFarve;
    FEkstraVenstre = Source.FEkstraVenstre;
    FEkstraOppe = Source.FEkstraOppe;
    FFarveSkygge = Source.FFarveSkygge;
    FFarveLys = Source.FFarveLys;
    FOmrids = Source.FOmrids;
    FTilpasAlign = Source.FTilpasAlign;
    FFarveOver = Source.FFarveOver;
    FOverFarve = Source.FOverFarve;
    FAnvendOmrids = Source.FAnvendOmrids;
}

void TXCompoRamme::KopierFra(const TXRamme &Source)
{
    TXRamme::KopierFra(Source);
    if (const auto *Compo = dynamic_cast<const TXCompoRamme *>(&Source))
        FNytClientRekt = Compo->FNytClientRekt;
}

void TXListeRamme::KopierFra(const TXRamme &Source)
{
    TXRamme::KopierFra(Source);
    if (const auto *Liste = dynamic_cast<const TXListeRamme *>(&Source)) {
        FNoNulMus = Liste->FNoNulMus;
        FNoNulFelt = Liste->FNoNulFelt;
        FFeltBredde = Liste->FFeltBredde;
        FFeltHojde = Liste->FFeltHojde;
        FSkemaBitType = Liste->FSkemaBitType;
    }
}

void TXRamme::SetBredde(std::int32_t Value)
{
    SaetAendret(FBredde, Value);
}

void TXRamme::SetAfstandVandret(std::int32_t Value)
{
    SaetAendret(FAfstandVandret, Value);
}

void TXRamme::SetRifleBredde(std::int32_t Value)
{
    SaetAendret(FRifleBredde, Value);
}

void TXRamme::SetDybde(std::int32_t Value)
{
    SaetAendret(FDybde, Value);
}

void TXRamme::SetFarve(TColor Value)
{
    SaetAendret(FFarve, Value);
}

void TXRamme::SetArt(TRammeType Value)
{
    SaetAendret(FArt, Value);
}

void TXRamme::SetAfstandLodret(std::int32_t Value)
{
    SaetAendret(FAfstandLodret, Value);
}

void TXRamme::SetFarveFelt(bool Value)
{
    SaetAendret(FFarveFelt, Value);
}

void TXRamme::SetFeltFarve(TColor Value)
{
    SaetAendret(FFeltFarve, Value);
}

void TXRamme::SetRetning(TRetning Value)
{
    SaetAendret(FRetning, Value);
}

// These two change the owner's layout rather than a look, and always report.
void TXRamme::SetIndreFelt(bool Value)
{
    FIndreFelt = Value;
    Change();
}

void TXRamme::SetTilpasAlign(bool Value)
{
    FTilpasAlign = Value;
    Change();
}

void TXRamme::SetEkstraNede(std::int32_t Value)
{
    SaetAendret(FEkstraNede, Value);
}

void TXRamme::SetEkstraHojre(std::int32_t Value)
{
    SaetAendret(FEkstraHojre, Value);
}

void TXRamme::SetAktivFarve(TColor Value)
{
    SaetAendret(FAktivFarve, Value);
}

void TXRamme::SetEkstraVenstre(std::int32_t Value)
{
    SaetAendret(FEkstraVenstre, Value);
}

void TXRamme::SetEkstraOppe(std::int32_t Value)
{
    SaetAendret(FEkstraOppe, Value);
}

void TXRamme::SetFarveSkygge(TColor Value)
{
    SaetAendret(FFarveSkygge, Value);
}

void TXRamme::SetFarveLys(TColor Value)
{
    SaetAendret(FFarveLys, Value);
}

void TXRamme::SetOmrids(bool Value)
{
    SaetAendret(FOmrids, Value);
}

void TXRamme::SetOverFarve(TColor Value)
{
    SaetAendret(FOverFarve, Value);
}

TRingValg TXRamme::RingValg(TRammeType RammeArt, std::int32_t Antal) const
{
    return {RammeArt, Antal, FDybde, FRifleBredde};
}

TRammeRetning TXRamme::RingRetning(std::int32_t RD) const
{
    return kvidrel::RingRetning(RingValg(FArt, FBredde), RD);
}

TRammeRetning TXRamme::RingRetningArt(TRammeType RammeArt, std::int32_t RD) const
{
    return kvidrel::RingRetning(RingValg(RammeArt, FBredde + (FAnvendOmrids ? 1 : 0)), RD);
}

TColor TXRamme::FladFarve() const
{
    return FladFarve(FFarve);
}

TColor TXRamme::FladFarve(TColor Farve) const
{
    if (FFarveAktiv)
        return FAktivFarve;
    if (FFarveOver)
        return FOverFarve;
    return Farve;
}

TRingFarver TXRamme::RingFarver(TRammeRetning Ret) const
{
    return RingFarver(Ret, FFarve);
}

TRingFarver TXRamme::RingFarver(TRammeRetning Ret, TColor Farve) const
{
    switch (Ret) {
    case rrUd:
        return {FFarveLys, FFarveSkygge};
    case rrInd:
        return {FFarveSkygge, FFarveLys};
    case rrIngen:
        break;
    }
    return {FladFarve(Farve), FladFarve(Farve)};
}

void TXRamme::TegnRing(TCanvas &Can, const TRect &R, const TRingFarver &Farver) const
{
    Can.Pen.Color = Farver.Forste;
    Can.MoveTo(R.Left, R.Bottom);
    Can.LineTo(R.Left, R.Top);
    Can.LineTo(R.Right, R.Top);
    Can.Pen.Color = Farver.Anden;
    Can.LineTo(R.Right, R.Bottom);
    Can.LineTo(R.Left, R.Bottom);
}

void TXRamme::TegnRamme(TCanvas &Can, const TRect &R, TRammeRetning Ret) const
{
    TegnRing(Can, R, RingFarver(Ret));
}

void TXRamme::Tegn(TCanvas &Can, const TRect &Rekt, TRammeType RammeArt, std::int32_t Antal,
                   TColor Farve) const
{
    if (Antal == 0) {
        if (FFarveFelt) {
            Can.Brush.Color = FFeltFarve;
            Can.FillRect(Rekt);
        }
        return;
    }

    Can.Pen.Width = 1;
    TRect Inde = Rekt;
    TRingFoelge Foelge(RingValg(RammeArt, Antal));
    for (std::int32_t RD = 1; RD <= Antal; ++RD) {
        TegnRing(Can, Inde, RingFarver(Foelge.Naeste(), Farve));
        Inde = NytRekt(Inde);
    }

    if (FFarveFelt) {
        // The fill is exclusive at the right and bottom: one more reaches the ring.
        Can.Brush.Color = FFeltFarve;
        Can.FillRect({Inde.Left, Inde.Top, Inde.Right + 1, Inde.Bottom + 1});
    }
    if (FOmrids || FAnvendOmrids) {
        Can.Pen.Color = Farve;
        Can.Brush.Style = bsClear;
        Can.Rectangle(Rekt);
        Can.Brush.Style = bsSolid;
    }
}

void TXRamme::MakeRamme(TCanvas &Can, const TRect &Rekt) const
{
    Tegn(Can, Rekt, FArt, FBredde, FFarve);
}

void TXRamme::MakeRammeArt(TCanvas &Can, const TRect &Rekt, TRammeType RammeArt) const
{
    Tegn(Can, Rekt, RammeArt, FBredde + (FAnvendOmrids ? 1 : 0), FFarve);
}

void TXRamme::TempRamme(TCanvas &Can, const TRect &Rekt, TRammeType RamType) const
{
    Tegn(Can, Rekt, RamType, FBredde, FFarve);
}

void TXRamme::TempRammeCol(TCanvas &Can, const TRect &Rekt, TRammeType RamType, TColor Col) const
{
    Tegn(Can, Rekt, RamType, FBredde, Col);
}

void TXRamme::MakeStandard(TCanvas &Can, const TRect &Rekt, TRammeRetning Ret) const
{
    Can.Pen.Width = 1;
    TRect Inde = NytRekt(Rekt); // the outermost ring stays as it is
    for (int i = 0; i < 2; ++i) {
        TegnRamme(Can, Inde, Ret);
        Inde = NytRekt(Inde);
    }
    Can.Brush.Color = clBtnFace;
    Can.FillRect({Inde.Left, Inde.Top, Inde.Right + 1, Inde.Bottom + 1});
    Can.Pen.Color = clBlack;
    Can.Brush.Style = bsClear;
    Can.Rectangle(Rekt);
    Can.Brush.Style = bsSolid;
}

} // namespace kvidrel
