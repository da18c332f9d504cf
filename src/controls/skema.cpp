#include "skema.h"

namespace kvidrel {

TSkema::TSkema(QWidget *AOwner) : TXKey(AOwner)
{
    resize(200, 100);
    FAntalVandret = 2;
    FAntalLodret = 4;
    FAntalFelter = 8;
    FMusOver = true;

    GrundRamme().SetAfstandLodret(4);
    GrundRamme().SetAfstandVandret(4);

    TXFeltRamme &F = FeltRamme();
    F.SetArt(rtIngen);
    F.SetBredde(1);
    F.SetAfstandLodret(4);
    F.SetAfstandVandret(2);
    F.SetFeltFarve(clWhite);

    TXListeRamme &S = SkemaRamme();
    S.SetBredde(1);
    S.SetFarve(clBtnFace);
    S.SetFeltFarve(clBtnFace);
}

} // namespace kvidrel
