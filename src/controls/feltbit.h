#pragma once

// The picture a field control draws in each of its cells: which image of an
// image list a cell shows, where it goes in the cell and how it is drawn, and
// saving and loading a list as one horizontal picture strip.

#include "drawtypes.h"

#include <QImage>
#include <QString>
#include <optional>

namespace kvidrel {

class TCanvas;
class TImageList;

// What the image index depends on besides the scheme, the entry and the state.
struct TBilledValg
{
    std::int32_t StartIndex = 0; // S
    std::int32_t Antal = 0;      // A, cells of the owning control
    std::int32_t TimerNr = 0;    // T, current animation frame
    bool Animation = false;
};

// The image index of entry Nr in state FeltSit; nullopt for btIngen. Computed
// wide, so that large counts cannot overflow; the caller checks the range.
std::optional<std::int64_t> BilledIndex(TBitType BitType, std::int32_t Nr, TFeltSit FeltSit,
                                        const TBilledValg &Valg);

// Target of a picture B by H scaled down to fit R, keeping its proportions and
// never enlarging; with Centrer the smaller side is centred in R.
TRect ScalePic(const TRect &R, std::int32_t B, std::int32_t H, bool Centrer);
// Target of a picture B by H at its own size, centred in R where it is smaller.
TRect CentrerPic(const TRect &R, std::int32_t B, std::int32_t H);

// Picture files: the count file beside FNavn and the last three characters.
QString GetExt(const QString &FNavn);
QString AntalFilNavn(const QString &FNavn);

class TFeltBit
{
public:
    TFeltBit() = default;
    // Owned by one control and set up through its properties, never copied.
    TFeltBit(const TFeltBit &) = delete;
    TFeltBit &operator=(const TFeltBit &) = delete;

    bool Gennemsigtig() const { return FGennemsigtig; }
    void SetGennemsigtig(bool Value);
    TImageList *BitmapListe() const { return FBitmapListe; }
    void SetBitmapListe(TImageList *Value);
    TBitType BitType() const { return FBitType; }
    void SetBitType(TBitType Value);
    TColor TransFarve() const { return FTransFarve; }
    void SetTransFarve(TColor Value);
    const TNotifyEvent &OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
    std::int32_t Antal() const { return FAntal; }
    void SetAntal(std::int32_t Value) { FAntal = Value; }
    std::int32_t AktivLodret() const { return FAktivLodret; }
    void SetAktivLodret(std::int32_t Value) { FAktivLodret = Value; }
    std::int32_t AktivVandret() const { return FAktivVandret; }
    void SetAktivVandret(std::int32_t Value) { FAktivVandret = Value; }
    bool RealDim() const { return FRealDim; }
    void SetRealDim(bool Value);
    std::int32_t X1() const { return FX1; }
    void SetX1(std::int32_t Value);
    std::int32_t Y1() const { return FY1; }
    void SetY1(std::int32_t Value);
    std::int32_t Hojde() const { return FHojde; }
    void SetHojde(std::int32_t Value);
    std::int32_t Bredde() const { return FBredde; }
    void SetBredde(std::int32_t Value);
    std::int32_t TimerNr() const { return FTimerNr; }
    void SetTimerNr(std::int32_t Value) { FTimerNr = Value; }
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    TColor CompoColor() const { return FCompoColor; }
    void SetCompoColor(TColor Value) { FCompoColor = Value; }
    bool FeltDim() const { return FFeltDim; }
    void SetFeltDim(bool Value);
    // 1 to 100 when set; 0 until then, which saves at the lowest quality.
    std::uint8_t JpgKvalitet() const { return FJpgKvalitet; }
    void SetJpgKvalitet(std::uint8_t Value) { FJpgKvalitet = Value; }
    bool Scale() const { return FScale; }
    void SetScale(bool Value);
    bool Centrer() const { return FCentrer; }
    void SetCentrer(bool Value);
    std::int32_t StartIndex() const { return FStartIndex; }
    void SetStartIndex(std::int32_t Value);

    // The next animation frame, back to 0 after the last of Sekvenser frames.
    void NaesteTimerNr(std::int32_t Sekvenser);

    // Draws the picture of entry Nr in state FeltSit into the cell FeltR.
    // True when a picture was drawn.
    bool PutBitmapListe(std::int32_t Nr, TCanvas &Can, TRect FeltR, TFeltSit FeltSit);

    // These need a list to be set. File errors are raised as FileError.
    void HentBitmap(std::int32_t Index, QImage &Bitmap) const;
    std::int32_t GemListe(const QString &FNavn) const;
    std::int32_t HentListe(const QString &FNavn);
    static void GemAntal(std::int32_t Antal, const QString &FNavn);
    static std::int32_t HentAntal(const QString &FNavn); // 0 without a count file

private:
    void Change() const;
    void CopyListSize();
    QImage StripBillede() const;

    bool FGennemsigtig = false;
    TImageList *FBitmapListe = nullptr;
    TBitType FBitType = btIngen;
    TColor FTransFarve = 0;
    TNotifyEvent FOnChange;
    std::int32_t FAntal = 0;
    std::int32_t FAktivLodret = 0;
    std::int32_t FAktivVandret = 0;
    bool FRealDim = false;
    std::int32_t FX1 = 0;
    std::int32_t FY1 = 0;
    std::int32_t FHojde = 0;
    std::int32_t FBredde = 0;
    std::int32_t FTimerNr = 0;
    bool FAnimation = false;
    TColor FCompoColor = 0;
    bool FFeltDim = false;
    std::uint8_t FJpgKvalitet = 0;
    bool FScale = false;
    bool FCentrer = false;
    std::int32_t FStartIndex = 0;
};

} // namespace kvidrel
