#pragma once

// Field controls with their layout state opened up for the tests, and pixel helpers.

#include "canvas.h"
#include "tekstfelt.h"
#include "tekstfelter.h"

#include <QImage>

namespace feltproeve {

using namespace kvidrel;

// The plain colours the tests draw and look for, as pixels and as TColor.
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Green = 0xFF00FF00;
constexpr QRgb Blue = 0xFF0000FF;
constexpr TColor Hvid = 0xFFFFFF;
constexpr TColor Sort = 0x000000;
constexpr TColor Roed = 0x0000FF;
constexpr TColor Groen = 0x00FF00;
constexpr TColor Blaa = 0xFF0000;
constexpr TColor Graa = 0x808080;

inline QRgb rgb(TColor c)
{
    return toQColor(c).rgb();
}

inline QRgb Pixel(TGrundFelt &Felt, int X, int Y)
{
    return Felt.Billede().pixel(X, Y);
}

// Pixels of colour c inside R (Right and Bottom exclusive).
inline int Antal(const QImage &Billede, const TRect &R, QRgb c)
{
    int N = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            N += Billede.pixel(x, y) == c;
    return N;
}

inline TFont TestFont(TColor Farve = clBlack, std::int32_t Hojde = 16)
{
    TFont F;
    F.Name = QStringLiteral("DejaVu Sans Mono");
    F.Height = Hojde;
    F.Color = Farve;
    return F;
}

class Ramme : public TRammeFelt
{
public:
    using TRammeFelt::CBredde;
    using TRammeFelt::CHojde;
    using TRammeFelt::CompoBeregnet;
    using TRammeFelt::CompoRekt;
    using TRammeFelt::GrundRekt;
    using TRammeFelt::IndreRekt;
    using TRammeFelt::InRekt;
    using TRammeFelt::TRammeFelt;
};

class Liste : public TTekstFelter
{
public:
    using TTekstFelter::CompoMade;
    using TTekstFelter::CompoRekt;
    using TTekstFelter::FelterBeregnet;
    using TTekstFelter::InRekt;
    using TTekstFelter::MouseNede;
    using TTekstFelter::NewNr;
    using TTekstFelter::OldNr;
    using TTekstFelter::OverNr;
    using TTekstFelter::TTekstFelter;

    // Like a list on a window: one row per field, plain framed fields.
    void Gitter(int Vandret, int Lodret, int Felter)
    {
        SetAntalVandret(Vandret);
        SetAntalLodret(Lodret);
        SetAntalFelter(Felter);
    }
};

class TekstFelt : public TTekstFelt
{
public:
    using TTekstFelt::CompoBeregnet;
    using TTekstFelt::CompoRekt;
    using TTekstFelt::TTekstFelt;
};

} // namespace feltproeve
