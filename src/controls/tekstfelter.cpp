#include "tekstfelter.h"

#include <algorithm>

namespace kvidrel {

TTekstFelter::TTekstFelter(QWidget *AOwner) : TBitmapFelter(AOwner) {}

TTekstFelter::~TTekstFelter() = default;

void TTekstFelter::SetTekstListe(const QStringList &Value)
{
    FTekstListe = Value;
    Invalidate();
}

void TTekstFelter::SikrTekst(std::int32_t Nr)
{
    while (FTekstListe.size() <= Nr)
        FTekstListe.append(QString());
}

void TTekstFelter::MakeTekst(std::int32_t Nr)
{
    // Without a component there is nothing to draw texts with.
    if (!FCompoTekst || !GyldigtFelt(Nr))
        return;
    const std::int64_t Indeks = std::int64_t(FStartNr) + Nr;
    if (Indeks < 0 || FTekstListe.size() <= Indeks)
        return;
    const TFelt &T = FFelt[std::size_t(Nr)];
    FCompoTekst->SkrivTekst(Canvas(), T.IR, Font(), FTekstListe.at(Indeks), T.FSit);
}

void TTekstFelter::TekstFelt(std::int32_t Nr, const QString &S)
{
    if (Nr < 0)
        return;
    SikrTekst(Nr);
    FTekstListe[Nr] = S;
    if (!CompoMade || Nr < FStartNr || Nr > FSlutNr)
        return;
    const std::int32_t V = Nr - FStartNr;
    if (!GyldigtFelt(V))
        return;
    // The field is drawn in its plain frame whatever its state; the fill clears the old text.
    const TFelt &T = FFelt[std::size_t(V)];
    TCanvas &Can = Canvas();
    FFeltRamme.MakeRamme(Can, T.YR);
    MakeBitmap(V);
    if (FCompoTekst)
        FCompoTekst->SkrivTekst(Can, T.IR, Font(), S, T.FSit);
}

void TTekstFelter::Tekst(std::int32_t TotalNr, const QString &S)
{
    if (!CompoMade) {
        FTekstListe.append(S);
        return;
    }
    if (TotalNr < 0)
        return;
    SikrTekst(TotalNr);
    FTekstListe[TotalNr] = S;
}

bool TTekstFelter::TekstPasser(const QString &S)
{
    if (!FCompoTekst)
        return false;
    if (!CompoMade) {
        BeregnRekter();
        BeregnFelter();
    }
    if (FFelt.empty())
        return false;
    // Drawn on a scrap picture, with the field's own text settings, so the answer
    // is what the field would show.
    QImage Kladde(1, 1, QImage::Format_RGB32);
    TCanvas Can(&Kladde);
    Can.SetGlatTekst(GlatTekst());
    return FCompoTekst->SkrivTekst(Can, FFelt.front().IR, Font(), S, sNormal);
}

std::int32_t TTekstFelter::TekstBredde()
{
    if (FTekstListe.isEmpty())
        return 0;
    TCanvas &Can = Canvas();
    Can.Font = Font();
    std::int32_t Bredest = 0;
    for (const QString &S : std::as_const(FTekstListe))
        Bredest = std::max(Bredest, Can.TextWidth(S));
    return Bredest;
}

std::int32_t TTekstFelter::TekstHojde()
{
    return FTekstListe.isEmpty() ? 0 : LinieHojde(Canvas(), Font());
}

void TTekstFelter::Paint()
{
    TBitmapFelter::Paint();
    if (!FCompoTekst)
        return;
    for (std::int32_t I = 0; I < FAntalFelter; ++I)
        MakeTekst(I);
}

} // namespace kvidrel
