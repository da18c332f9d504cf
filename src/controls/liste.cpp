#include "liste.h"

namespace kvidrel {

TListe::TListe(QWidget *AOwner) : TToolKey(AOwner)
{
    SetHeight(78);
    FAntalVandret = 1;
    FAntalLodret = 4;
    FAntalFelter = 4;
    FToolFunktion = true;
    FRulFunktion = true;
    FEnFunktionel = true;
    FNumLodret = true;
    FMusOver = true;

    GrundRamme().SetAfstandLodret(4);
    GrundRamme().SetAfstandVandret(4);

    TXFeltRamme &F = FeltRamme();
    F.SetArt(rtIngen);
    F.SetBredde(1);
    F.SetFarve(clWhite);
    F.SetAfstandLodret(2);
    F.SetFeltFarve(clWhite);
    F.SetAktivFarve(clBlue);
    F.SetOverFarve(clGray);
}

} // namespace kvidrel
