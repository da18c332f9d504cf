#include "rammefelt.h"

#include <QResizeEvent>

#include <algorithm>

namespace kvidrel {

TRammeFelt::TRammeFelt(QWidget *AOwner) : TGrundFelt(AOwner)
{
    FGrundRamme.SetBredde(1);
    FGrundRamme.SetArt(rtUd);
    FGrundRamme.SetOnChange([this] { RammeForandret(); });
    JusterBoern();
}

TRammeFelt::~TRammeFelt()
{
    // The frame outlives nothing that could call back into a half-destroyed control.
    FGrundRamme.SetOnChange({});
}

void TRammeFelt::SetGrundBitmap(const QImage &Value)
{
    FGrundBitmap = Value;
    Invalidate();
}

void TRammeFelt::BeregnFelt()
{
    const TXCompoRamme &R = FGrundRamme;
    const std::int32_t B = R.Bredde();
    Cx1 = B + R.AfstandLodret() + R.EkstraVenstre();
    Cy1 = B + R.AfstandVandret() + R.EkstraOppe();
    Cx2 = Width() - (B + R.AfstandLodret() + R.EkstraHojre()) - 1;
    Cy2 = Height() - (B + R.AfstandVandret() + R.EkstraNede()) - 1;
    CBredde = Cx2 - Cx1;
    CHojde = Cy2 - Cy1;
    CompoRekt = Rect(Cx1, Cy1, Cx2, Cy2);
}

void TRammeFelt::BeregnRekter()
{
    BeregnFelt();
    const std::int32_t B = FGrundRamme.Bredde();
    IndreRekt = Rect(B, B, Width() - B, Height() - B);
    GrundRekt = Rect(0, 0, Width() - 1, Height() - 1);
    InRekt = GrundRekt;
    // A frame that follows the alignment keeps its children out of the fixed rectangle.
    CompoBeregnet = !FGrundRamme.TilpasAlign();
}

void TRammeFelt::MakeRammeFelt()
{
    TCanvas &Can = Canvas();
    FGrundRamme.MakeRamme(Can, GrundRekt);
    if (!FGrundBitmap.isNull())
        Can.StretchDraw(IndreRekt, FGrundBitmap);
}

void TRammeFelt::Paint()
{
    BeregnRekter();
    MakeRammeFelt();
}

void TRammeFelt::AdjustClientRect(TRect &Rect)
{
    if (CompoBeregnet) {
        Rect = CompoRekt;
    } else if (FGrundRamme.NytClientRekt()) {
        BeregnFelt();
        Rect = CompoRekt;
    } else {
        Rect = Rect.shrunk(FGrundRamme.Bredde());
    }
}

void TRammeFelt::JusterBoern()
{
    TRect R = Rect(0, 0, Width(), Height());
    AdjustClientRect(R);
    const QMargins M(std::max(R.Left, 0), std::max(R.Top, 0), std::max(Width() - R.Right, 0),
                     std::max(Height() - R.Bottom, 0));
    if (contentsMargins() != M)
        setContentsMargins(M);
}

void TRammeFelt::RammeForandret()
{
    CompoBeregnet = false;
    JusterBoern();
    Invalidate();
}

void TRammeFelt::Malet()
{
    // The first paint fixes the content rectangle; the children follow it.
    JusterBoern();
}

void TRammeFelt::resizeEvent(QResizeEvent *event)
{
    TGrundFelt::resizeEvent(event);
    JusterBoern();
}

} // namespace kvidrel
