#pragma once

// Frame descriptions: a band of one-pixel rings around a rectangle, each ring
// flat, raised or sunk, with an optional fill inside and an outline around it.
// A frame also carries spacing and layout values that only its owning control
// reads. The owner points OnChange at its repaint.

#include "drawtypes.h"
#include "ringfoelge.h"

#include <utility>

namespace kvidrel {

class TCanvas;

// The two colours of one ring: the first takes the left column and the top
// row, the second the right column and the bottom row.
struct TRingFarver
{
    TColor Forste = clBlack;
    TColor Anden = clBlack;
    friend bool operator==(const TRingFarver &, const TRingFarver &) = default;
};

class TXRamme
{
public:
    TXRamme() = default;
    virtual ~TXRamme() = default;
    // A frame belongs to one owner; values move between frames by Assign.
    TXRamme(const TXRamme &) = delete;
    TXRamme &operator=(const TXRamme &) = delete;

    // Copies every value of Source (its own kind's values too, where the two
    // kinds share them) but keeps this frame's OnChange, then calls it once.
    void Assign(const TXRamme &Source);

    std::int32_t Bredde() const { return FBredde; }
    void SetBredde(std::int32_t Value);
    const TNotifyEvent &OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
    std::int32_t AfstandVandret() const { return FAfstandVandret; }
    void SetAfstandVandret(std::int32_t Value);
    std::int32_t RifleBredde() const { return FRifleBredde; }
    void SetRifleBredde(std::int32_t Value);
    std::int32_t Dybde() const { return FDybde; }
    void SetDybde(std::int32_t Value);
    TColor Farve() const { return FFarve; }
    void SetFarve(TColor Value);
    TRammeType Art() const { return FArt; }
    void SetArt(TRammeType Value);
    std::int32_t AfstandLodret() const { return FAfstandLodret; }
    void SetAfstandLodret(std::int32_t Value);
    bool FarveFelt() const { return FFarveFelt; }
    void SetFarveFelt(bool Value);
    TColor FeltFarve() const { return FFeltFarve; }
    void SetFeltFarve(TColor Value);
    TRetning Retning() const { return FRetning; }
    void SetRetning(TRetning Value);
    TKlikType KlikType() const { return FKlikType; }
    void SetKlikType(TKlikType Value) { FKlikType = Value; }
    bool IndreFelt() const { return FIndreFelt; }
    void SetIndreFelt(bool Value);
    std::int32_t EkstraNede() const { return FEkstraNede; }
    void SetEkstraNede(std::int32_t Value);
    std::int32_t EkstraHojre() const { return FEkstraHojre; }
    void SetEkstraHojre(std::int32_t Value);
    // Per-draw switches, set by the owner before each cell it draws; storing
    // them must not repaint.
    bool FarveAktiv() const { return FFarveAktiv; }
    void SetFarveAktiv(bool Value) { FFarveAktiv = Value; }
    TColor AktivFarve() const { return FAktivFarve; }
    void SetAktivFarve(TColor Value);
    std::int32_t EkstraVenstre() const { return FEkstraVenstre; }
    void SetEkstraVenstre(std::int32_t Value);
    std::int32_t EkstraOppe() const { return FEkstraOppe; }
    void SetEkstraOppe(std::int32_t Value);
    TColor FarveSkygge() const { return FFarveSkygge; }
    void SetFarveSkygge(TColor Value);
    TColor FarveLys() const { return FFarveLys; }
    void SetFarveLys(TColor Value);
    bool Omrids() const { return FOmrids; }
    void SetOmrids(bool Value);
    bool TilpasAlign() const { return FTilpasAlign; }
    void SetTilpasAlign(bool Value);
    bool FarveOver() const { return FFarveOver; }
    void SetFarveOver(bool Value) { FFarveOver = Value; }
    TColor OverFarve() const { return FOverFarve; }
    void SetOverFarve(TColor Value);
    bool AnvendOmrids() const { return FAnvendOmrids; }
    void SetAnvendOmrids(bool Value) { FAnvendOmrids = Value; }

    // The colouring of ring RD (1 = outermost) as MakeRamme draws it, and as
    // MakeRammeArt draws it with RammeArt.
    TRammeRetning RingRetning(std::int32_t RD) const;
    TRammeRetning RingRetningArt(TRammeType RammeArt, std::int32_t RD) const;
    // The colours of a ring coloured Ret; a flat ring takes the active, the
    // over or the plain colour by the per-draw switches.
    TRingFarver RingFarver(TRammeRetning Ret) const;
    TColor FladFarve() const;

    static TRect NytRekt(const TRect &R) { return R.shrunk(1); }
    // One ring on the edge of the inclusive rectangle R.
    void TegnRamme(TCanvas &Can, const TRect &R, TRammeRetning Ret) const;
    // The whole frame into the inclusive rectangle Rekt.
    void MakeRamme(TCanvas &Can, const TRect &Rekt) const;
    // The whole frame with RammeArt for Art, one ring more with AnvendOmrids.
    void MakeRammeArt(TCanvas &Can, const TRect &Rekt, TRammeType RammeArt) const;
    // Two rings coloured Ret inside an undrawn outer ring, a face fill and a
    // black outline.
    void MakeStandard(TCanvas &Can, const TRect &Rekt, TRammeRetning Ret) const;
    // The frame drawn as kind RamType (and flat colour Col) without changing it.
    void TempRamme(TCanvas &Can, const TRect &Rekt, TRammeType RamType) const;
    void TempRammeCol(TCanvas &Can, const TRect &Rekt, TRammeType RamType, TColor Col) const;

protected:
    // Copies the values without notifying; kinds with values of their own add them.
    virtual void KopierFra(const TXRamme &Source);
    void Change() const;
    // Stores Value and notifies when it differs from Field.
    template <typename T> void SaetAendret(T &Field, T Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        Change();
    }

private:
    TRingValg RingValg(TRammeType RammeArt, std::int32_t Antal) const;
    TRingFarver RingFarver(TRammeRetning Ret, TColor Farve) const;
    TColor FladFarve(TColor Farve) const;
    void TegnRing(TCanvas &Can, const TRect &R, const TRingFarver &Farver) const;
    void Tegn(TCanvas &Can, const TRect &Rekt, TRammeType RammeArt, std::int32_t Antal,
              TColor Farve) const;

    std::int32_t FBredde = 0;
    TNotifyEvent FOnChange;
    std::int32_t FAfstandVandret = 0;
    std::int32_t FRifleBredde = 0;
    std::int32_t FDybde = 0;
    TColor FFarve = clBlack;
    TRammeType FArt = rtIngen;
    std::int32_t FAfstandLodret = 0;
    bool FFarveFelt = false;
    TColor FFeltFarve = clBlack;
    TRetning FRetning = reLodret;
    TKlikType FKlikType = ktLodret;
    bool FIndreFelt = false;
    std::int32_t FEkstraNede = 0;
    std::int32_t FEkstraHojre = 0;
    bool FFarveAktiv = false;
    TColor FAktivFarve = clBlack;
    std::int32_t FEkstraVenstre = 0;
    std::int32_t FEkstraOppe = 0;
    TColor FFarveSkygge = clBtnShadow;
    TColor FFarveLys = clBtnHighlight;
    bool FOmrids = false;
    bool FTilpasAlign = false;
    bool FFarveOver = false;
    TColor FOverFarve = clBlack;
    bool FAnvendOmrids = false;
};

// Base frame of a field control.
class TXCompoRamme : public TXRamme
{
public:
    // Read by the control when it computes its client area.
    bool NytClientRekt() const { return FNytClientRekt; }
    void SetNytClientRekt(bool Value) { SaetAendret(FNytClientRekt, Value); }

protected:
    void KopierFra(const TXRamme &Source) override;

private:
    bool FNytClientRekt = false;
};

// Cell frame of the field grids.
class TXFeltRamme : public TXRamme
{
};

// Schema frame.
class TXListeRamme : public TXRamme
{
public:
    bool NoNulMus() const { return FNoNulMus; }
    void SetNoNulMus(bool Value) { SaetAendret(FNoNulMus, Value); }
    bool NoNulFelt() const { return FNoNulFelt; }
    void SetNoNulFelt(bool Value) { SaetAendret(FNoNulFelt, Value); }
    std::int32_t FeltBredde() const { return FFeltBredde; }
    void SetFeltBredde(std::int32_t Value) { SaetAendret(FFeltBredde, Value); }
    std::int32_t FeltHojde() const { return FFeltHojde; }
    void SetFeltHojde(std::int32_t Value) { SaetAendret(FFeltHojde, Value); }
    TSkemaBitType SkemaBitType() const { return FSkemaBitType; }
    void SetSkemaBitType(TSkemaBitType Value) { SaetAendret(FSkemaBitType, Value); }

protected:
    void KopierFra(const TXRamme &Source) override;

private:
    bool FNoNulMus = false;
    bool FNoNulFelt = false;
    std::int32_t FFeltBredde = 0;
    std::int32_t FFeltHojde = 0;
    TSkemaBitType FSkemaBitType = sbIngen;
};

// Knob and button frame of the scroll bar.
class TXKnabRamme : public TXRamme
{
};

} // namespace kvidrel
