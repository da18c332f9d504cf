#include "feltregler.h"

#include <algorithm>

namespace kvidrel {

namespace {

bool AlleBlokeret(std::int32_t AntalFelter, const TBlokeret &Blokeret)
{
    for (std::int32_t I = 0; I < AntalFelter; ++I)
        if (!Blokeret(I))
            return false;
    return true;
}

// The step of an arrow key; 0 for any other key.
std::int32_t Skridt(const TGitter &G, std::uint16_t KeyArt)
{
    if (G.NumLodret) {
        switch (KeyArt) {
        case tkOp:
            return -1;
        case tkNed:
            return 1;
        case tkVenstre:
            return -G.AntalLodret;
        case tkHojre:
            return G.AntalLodret;
        default:
            return 0;
        }
    }
    switch (KeyArt) {
    case tkVenstre:
        return -1;
    case tkHojre:
        return 1;
    case tkOp:
        return -G.AntalVandret;
    case tkNed:
        return G.AntalVandret;
    default:
        return 0;
    }
}

} // namespace

std::optional<TFeltSit> SitEfterAktiv(TFeltSit s, bool Aktiv, const TSitRegel &Regel)
{
    if (s > sInaktiv)
        return s;
    if (Aktiv) {
        if (s == sNormal)
            return sAktiv;
        if (s == sOver)
            return Regel.AktivBeholderOver ? sOverAktiv : sAktiv;
        return std::nullopt;
    }
    if (s == sAktiv)
        return sNormal;
    if (s == sOverAktiv)
        return sOver;
    return std::nullopt;
}

std::optional<TFeltSit> SitEfterOver(TFeltSit s, bool Over, const TSitRegel &Regel)
{
    if (s > sInaktiv)
        return s;
    if (Over) {
        if (s == sNormal)
            return sOver;
        if (s == sAktiv)
            return Regel.AktivTagerOver ? sOverAktiv : sAktiv;
        return std::nullopt;
    }
    if (s == sOver)
        return sNormal;
    if (s == sOverAktiv)
        return sAktiv;
    return std::nullopt;
}

std::optional<TFeltSit> SitEfterInaktiv(TFeltSit s, bool Inaktiv, bool GenAktiv)
{
    if (s > sInaktiv)
        return s;
    if (Inaktiv)
        return s == sInaktiv ? std::nullopt : std::optional<TFeltSit>(sInaktiv);
    if (s == sNormal)
        return std::nullopt;
    return GenAktiv ? sAktiv : sNormal;
}

void Fordel(std::int32_t Plads, std::int32_t Antal, std::int32_t Afstand, std::int32_t Fast,
            std::int32_t &Stoerrelse, std::int32_t &Start)
{
    const std::int32_t Mellemrum = (Antal - 1) * Afstand;
    std::int32_t Deler = Antal;
    if (Fast != 0) {
        Plads -= Fast + Mellemrum;
        Deler = Antal - 1;
    } else {
        Plads -= Mellemrum;
    }
    // A header alone on its axis leaves nothing to share.
    Deler = std::max(Deler, 1);
    Stoerrelse = Plads / Deler;
    Start += (Plads - Stoerrelse * Deler) / 2;
}

TFeltGang::TFeltGang(const TGitter &Gitter, std::int32_t X, std::int32_t Y,
                     std::int32_t AfstandLodret, std::int32_t AfstandVandret)
    : FGitter(Gitter), FStartX(X), FStartY(Y), FAfstandLodret(AfstandLodret),
      FAfstandVandret(AfstandVandret), FX(X), FY(Y)
{}

void TFeltGang::Naeste(std::int32_t Nr, std::int32_t X2, std::int32_t Y2)
{
    if (FGitter.NumLodret) {
        if ((Nr + 1) % FGitter.AntalLodret == 0) {
            FY = FStartY;
            FX = X2 + FAfstandLodret;
        } else {
            FY = Y2 + FAfstandVandret;
        }
    } else {
        if ((Nr + 1) % FGitter.AntalVandret == 0) {
            FX = FStartX;
            FY = Y2 + FAfstandVandret;
        } else {
            FX = X2 + FAfstandLodret;
        }
    }
}

std::int32_t FoersteFri(std::int32_t AntalFelter, const TBlokeret &Blokeret)
{
    std::int32_t I = 0;
    while (I < AntalFelter - 1 && Blokeret(I))
        ++I;
    return I;
}

std::int32_t NavigationsMaal(const TGitter &G, std::int32_t Fra, std::uint16_t KeyArt,
                             const TBlokeret &Blokeret)
{
    const std::int32_t Antal = G.AntalFelter;
    if (AlleBlokeret(Antal, Blokeret))
        return -1;
    if (Fra < 0)
        return FoersteFri(Antal, Blokeret);

    switch (KeyArt) {
    case tkHome:
        return FoersteFri(Antal, Blokeret);
    case tkEnd: {
        std::int32_t N = Antal - 1;
        while (N > 0 && Blokeret(N))
            --N;
        return N == 0 ? FoersteFri(Antal, Blokeret) : N;
    }
    default:
        break;
    }

    const std::int32_t d = Skridt(G, KeyArt);
    if (d == 0)
        return Fra;
    std::int32_t N = Fra + d;
    if (N < 0 || N > Antal - 1)
        return Fra;
    while (Blokeret(N)) {
        N += d;
        // Past either end the scan gives up and starts from the top.
        if (N < 0 || N >= Antal - 1)
            return FoersteFri(Antal, Blokeret);
    }
    return N;
}

} // namespace kvidrel
