#pragma once

// Types shared by every drawing control: colours, rectangles, fonts and the
// enumerations of the controls (members in their stored order).

#include <QString>
#include <cstdint>
#include <functional>

namespace kvidrel {

// $00BBGGRR, or a system colour $FF0000nn resolved through the palette.
using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBtnFace = std::int32_t(0xFF00000F);
constexpr TColor clBtnShadow = std::int32_t(0xFF000010);
constexpr TColor clBtnHighlight = std::int32_t(0xFF000014);
constexpr TColor clWindow = std::int32_t(0xFF000005);
constexpr TColor clWindowText = std::int32_t(0xFF000008);

// Right and Bottom are exclusive for fills and hit tests, inclusive for frame rings.
struct TRect
{
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    std::int32_t Width() const { return Right - Left; }
    std::int32_t Height() const { return Bottom - Top; }
    TRect shrunk(std::int32_t n) const { return {Left + n, Top + n, Right - n, Bottom - n}; }
    bool contains(std::int32_t x, std::int32_t y) const
    {
        return x >= Left && x < Right && y >= Top && y < Bottom;
    }
    friend bool operator==(const TRect &, const TRect &) = default;
};

inline TRect Rect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b)
{
    return {l, t, r, b};
}

struct TPoint
{
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const TPoint &, const TPoint &) = default;
};

enum TFontStyle : std::uint8_t
{
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8
};
using TFontStyles = std::uint8_t;

// A font description; assigning copies the settings. Height is in pixels.
struct TFont
{
    QString Name = QStringLiteral("Tahoma");
    std::int32_t Height = 11;
    TColor Color = clWindowText;
    std::uint8_t Charset = 1; // DEFAULT_CHARSET
    TFontStyles Style = 0;
    friend bool operator==(const TFont &, const TFont &) = default;
};

enum class TBrushStyle
{
    bsSolid,
    bsClear
};
using enum TBrushStyle;

// Cell state: normal, selected, under the pointer, both, disabled.
using TFeltSit = std::uint8_t;
enum : TFeltSit
{
    sNormal,
    sAktiv,
    sOver,
    sOverAktiv,
    sInaktiv
};

// Selected, with or without the pointer over it.
constexpr bool ErValgt(TFeltSit s)
{
    return s == sAktiv || s == sOverAktiv;
}
// Under the pointer (or the keyboard's highlight), selected or not.
constexpr bool ErUnderMus(TFeltSit s)
{
    return s == sOver || s == sOverAktiv;
}

enum TOrientering : std::uint8_t
{
    orVandret,
    orLodret
};
enum TAlignVandret : std::uint8_t
{
    tvCenter,
    tvVenstre,
    tvHojre
};
enum TAlignLodret : std::uint8_t
{
    tlCenter,
    tlOppe,
    tlNede
};
enum TTekstType : std::uint8_t
{
    ttNormal,
    ttUd,
    ttInd
};
enum TBitType : std::uint8_t
{
    btIngen,
    btSimpel,
    btDual,
    btTrio,
    btUnikTrio,
    btUnikSimpel,
    btUnikDual,
    btAniOver
};
enum TSkemaBitType : std::uint8_t
{
    sbIngen,
    sbAlle,
    sbKun
};
enum TRammeType : std::uint8_t
{
    rtIngen,
    rtUd,
    rtInd,
    rtRiflet
};
enum TRammeRetning : std::uint8_t
{
    rrUd,
    rrInd,
    rrIngen
};
enum TRetning : std::uint8_t
{
    reLodret,
    reVandret,
    reBegge,
    reIngen
};
enum TKlikType : std::uint8_t
{
    ktLodret,
    ktVandret,
    ktBegge,
    ktIndre,
    ktAlle,
    ktIngen
};
enum TRulBarType : std::uint8_t
{
    rbSelvDef,
    rbType1,
    rbType2,
    rbType3,
    rbType4,
    rbType5,
    rbType6,
    rbType7
};
enum TCheckPlads : std::uint8_t
{
    cpVenstre,
    cpHojre
};

using TNotifyEvent = std::function<void()>;
using TNoParam = std::function<void()>;
using TNummer = std::function<void(std::int32_t Nr)>;

} // namespace kvidrel
