#include "tekstfelt.h"

namespace kvidrel {

TPreTekstFelt::TPreTekstFelt(QWidget *AOwner) : TRammeFelt(AOwner)
{
    resize(128, 24);
    GrundRamme().SetArt(rtInd);
}

TPreTekstFelt::~TPreTekstFelt() = default;

TTekstFelt::TTekstFelt(QWidget *AOwner) : TPreTekstFelt(AOwner) {}

void TTekstFelt::SetTekst(const QString &Value)
{
    FTekst = Value;
    if (CompoBeregnet)
        Invalidate();
}

void TTekstFelt::Paint()
{
    TPreTekstFelt::Paint();
    if (FCompoTekst)
        FCompoTekst->SkrivTekst(Canvas(), CompoRekt, Font(), FTekst, Enabled() ? 0 : 4);
}

} // namespace kvidrel
