#include "xtekst.h"

#include <algorithm>

namespace kvidrel {

QString KortStreng(const QString &S)
{
    // Names are shown whole in any script, as the name field shows them.
    qsizetype N = std::min<qsizetype>(S.size(), 255);
    if (N < S.size() && N > 0 && S.at(N - 1).isHighSurrogate())
        --N; // never half a character
    return S.left(N);
}

TXTekst::TXTekst(QWidget *AOwner) : TXBitmap(AOwner) {}

void TXTekst::SetTekstListe(const QStringList &Value)
{
    FTekstListe = Value;
    Invalidate();
}

void TXTekst::SetSkemaFont(const TFont &Value)
{
    FSkemaFont = Value;
    Invalidate();
}

void TXTekst::SetDisplay(bool Value)
{
    FDisplay = Value;
    Invalidate();
}

void TXTekst::MakeTekst(std::int32_t Nr)
{
    // Without a component there is nothing to draw texts with.
    if (!FCompoTekst || !GyldigtFelt(Nr) || FTekstListe.size() <= Nr)
        return;
    const TXFelt &T = FFelt[std::size_t(Nr)];
    if (T.SkemaFelt) {
        FCompoTekst->SetHojreStillet(false);
        FCompoTekst->SkrivTekst(Canvas(), T.SIR, FSkemaFont, FTekstListe.at(Nr), T.FSit);
    } else {
        FCompoTekst->SetHojreStillet(FDisplay);
        FCompoTekst->SkrivTekst(Canvas(), T.IR, Font(), FTekstListe.at(Nr), T.FSit);
    }
}

void TXTekst::TekstFelt(std::int32_t Nr, const QString &S)
{
    if (Nr < 0)
        return;
    while (FTekstListe.size() <= Nr)
        FTekstListe.append(QString());
    FTekstListe[Nr] = KortStreng(S);
    // A text beyond the fields is kept for a later, larger grid.
    if (CompoMade && GyldigtFelt(Nr))
        TegnFelt(Nr);
}

std::int32_t TXTekst::Bredest(const TFont &Font, bool KunSkema)
{
    TCanvas &Can = Canvas();
    Can.Font = Font;
    std::int32_t Bredde = 0;
    for (qsizetype I = 0; I < FTekstListe.size(); ++I)
        if (!KunSkema || ErSkemaIndeks(std::int32_t(I)))
            Bredde = std::max(Bredde, Can.TextWidth(FTekstListe.at(I)));
    return Bredde;
}

std::int32_t TXTekst::TekstBredde()
{
    return FTekstListe.isEmpty() ? 0 : Bredest(Font(), false);
}

std::int32_t TXTekst::TekstHojde()
{
    return FTekstListe.isEmpty() ? 0 : LinieHojde(Canvas(), Font());
}

std::int32_t TXTekst::SkemaTekstBredde()
{
    if (FTekstListe.isEmpty() || FSkemaRamme.Retning() == reIngen)
        return 0;
    return Bredest(FSkemaFont, true);
}

std::int32_t TXTekst::SkemaTekstHojde()
{
    return FTekstListe.isEmpty() ? 0 : LinieHojde(Canvas(), FSkemaFont);
}

void TXTekst::Paint()
{
    TXBitmap::Paint();
    if (!FCompoTekst)
        return;
    for (std::int32_t I = 0; I < FAntalFelter; ++I)
        MakeTekst(I);
}

} // namespace kvidrel
