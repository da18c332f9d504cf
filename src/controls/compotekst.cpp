#include "compotekst.h"

#include "canvas.h"
#include "grundfelt.h"

#include <QPainter>

#include <cstdlib>

namespace kvidrel {

namespace {

const QString Ampersand = QStringLiteral("&");
const QString BogstavA = QStringLiteral("A");
constexpr QChar Mellemrum = QLatin1Char(' ');

void Flyt(TRect &R, std::int32_t Vandret, std::int32_t Lodret)
{
    R.Left += Vandret;
    R.Right += Vandret;
    R.Top += Lodret;
    R.Bottom += Lodret;
}

} // namespace

TCompoTekst::TCompoTekst(QObject *AOwner) : QObject(AOwner) {}

void TCompoTekst::Changed()
{
    FMaalt.clear();
    if (FOnChange)
        FOnChange();
}

// Published setters store and report without comparing: the owning control repaints
// on every write.
template <typename T> void TCompoTekst::Saet(T &Field, const T &Value)
{
    Field = Value;
    Changed();
}

void TCompoTekst::SetMargenOppe(std::int32_t Value)
{
    Saet(FMargenOppe, Value);
}
void TCompoTekst::SetMargenNede(std::int32_t Value)
{
    Saet(FMargenNede, Value);
}
void TCompoTekst::SetMargenVenstre(std::int32_t Value)
{
    Saet(FMargenVenstre, Value);
}
void TCompoTekst::SetLinieAfstand(std::int32_t Value)
{
    Saet(FLinieAfstand, Value);
}
void TCompoTekst::SetMargenHojre(std::int32_t Value)
{
    Saet(FMargenHojre, Value);
}
void TCompoTekst::SetAlignLodret(TAlignLodret Value)
{
    Saet(FAlignLodret, Value);
}
void TCompoTekst::SetAlignVandret(TAlignVandret Value)
{
    Saet(FAlignVandret, Value);
}
void TCompoTekst::SetOpdelTekst(bool Value)
{
    Saet(FOpdelTekst, Value);
}
void TCompoTekst::SetMindsteHojde(std::int32_t Value)
{
    Saet(FMindsteHojde, Value);
}
void TCompoTekst::SetAktivLodret(std::int32_t Value)
{
    Saet(FAktivLodret, Value);
}
void TCompoTekst::SetAktivVandret(std::int32_t Value)
{
    Saet(FAktivVandret, Value);
}
void TCompoTekst::SetGenkey(bool Value)
{
    Saet(FGenkey, Value);
}
void TCompoTekst::SetLodretTekst(bool Value)
{
    Saet(FLodretTekst, Value);
}
void TCompoTekst::SetFontAktiv(const TFont &Value)
{
    Saet(FFontAktiv, Value);
}
void TCompoTekst::SetFontInAktiv(const TFont &Value)
{
    Saet(FFontInAktiv, Value);
}
void TCompoTekst::SetInaktiv(TTekstType Value)
{
    Saet(FInaktiv, Value);
}
void TCompoTekst::SetOverAktiv(TTekstType Value)
{
    Saet(FOverAktiv, Value);
}
void TCompoTekst::SetAktiv(TTekstType Value)
{
    Saet(FAktiv, Value);
}
void TCompoTekst::SetOver(TTekstType Value)
{
    Saet(FOver, Value);
}
void TCompoTekst::SetNormal(TTekstType Value)
{
    Saet(FNormal, Value);
}
void TCompoTekst::SetTypeTekst(bool Value)
{
    Saet(FTypeTekst, Value);
}
void TCompoTekst::SetDybdeLodret(std::uint8_t Value)
{
    Saet(FDybdeLodret, Value);
}
void TCompoTekst::SetDybdeVandret(std::uint8_t Value)
{
    Saet(FDybdeVandret, Value);
}
void TCompoTekst::SetFontDybde(const TFont &Value)
{
    Saet(FFontDybde, Value);
}
void TCompoTekst::SetFontOver(const TFont &Value)
{
    Saet(FFontOver, Value);
}

// The font of a state without the depth effect, and of the depth effect's second pass.
const TFont &TCompoTekst::FontEfterRegelA(TFeltSit FeltSit, const TFont &CTFont) const
{
    switch (FeltSit) {
    case sAktiv:
    case sOverAktiv:
        return FFontAktiv;
    case sOver:
        return FFontOver;
    case sInaktiv:
        return FFontInAktiv;
    default:
        return CTFont;
    }
}

// The font of a state whose depth type is ttNormal while the effect is on; unlike
// rule A, the mouse-over state takes the active font.
const TFont &TCompoTekst::FontEfterRegelB(TFeltSit FeltSit, const TFont &CTFont) const
{
    switch (FeltSit) {
    case sAktiv:
    case sOver:
    case sOverAktiv:
        return FFontAktiv;
    case sInaktiv:
        return FFontInAktiv;
    default:
        return CTFont;
    }
}

TTekstType TCompoTekst::TekstTyp(TFeltSit FeltSit) const
{
    switch (FeltSit) {
    case sAktiv:
        return FAktiv;
    case sOver:
        return FOver;
    case sOverAktiv:
        return FOverAktiv;
    case sInaktiv:
        return FInaktiv;
    default:
        return FNormal;
    }
}

bool TCompoTekst::SkrivTekst(TCanvas &Can, TRect Rekt, const TFont &CTFont, QString Tekst,
                             TFeltSit FeltSit)
{
    if (Tekst.isEmpty())
        return true;
    const TColor BrushColor = Can.Brush.Color;
    const TAlignVandret TAv = FAlignVandret;

    // Font and depth step. R keeps the undisplaced rectangle for the second pass.
    TRect R = Rekt;
    if (!FTypeTekst || SkyggeMade) {
        Can.Font = FontEfterRegelA(FeltSit, CTFont);
    } else {
        switch (TekstTyp(FeltSit)) {
        case ttNormal:
            SkyggeMade = true;
            Can.Font = FontEfterRegelB(FeltSit, CTFont);
            break;
        case ttUd:
            Can.Font = FFontDybde;
            Flyt(Rekt, -FDybdeLodret, -FDybdeVandret);
            break;
        case ttInd:
            Can.Font = FFontDybde;
            Flyt(Rekt, FDybdeLodret, FDybdeVandret);
            break;
        }
    }

    if (FHojreStillet && !FLodretTekst)
        FAlignVandret = tvHojre;

    Rekt.Left += FMargenVenstre;
    Rekt.Top += FMargenOppe;
    Rekt.Right -= FMargenHojre;
    Rekt.Bottom -= FMargenNede;

    // The pressed look.
    if (ErValgt(FeltSit))
        Flyt(Rekt, FAktivVandret, FAktivLodret);

    TArbejde A{Can, Rekt, Rekt.Right - Rekt.Left, Rekt.Bottom - Rekt.Top};
    const auto GivBrushTilbage = [&] {
        Can.Brush.Style = bsSolid;
        Can.Brush.Color = BrushColor;
    };

    bool Hel = false;
    if (FLodretTekst) {
        if (A.FV >= Can.TextWidth(BogstavA)) {
            Can.Brush.Style = bsClear;
            Hel = TekstLodret(A, Tekst);
            GivBrushTilbage();
        }
    } else {
        if (FOpdelTekst)
            Formindsk(A, Tekst);
        if (A.FL >= Can.TextHeight(Tekst)) {
            Can.Brush.Style = bsClear;
            if (FOpdelTekst) {
                Hel = DelTekst(A, Tekst, true);
                GivBrushTilbage();
            } else {
                Hel = Can.TextWidth(Tekst) <= A.FV;
                if (!Hel)
                    Tekst = AfkortetS(A, Tekst);
                const std::int32_t X = FindX(A, Tekst);
                const std::int32_t Y = FindY(A, Tekst);
                if (FGenkey)
                    UdskrivUTekst(A, X, Y, Tekst);
                else
                    Can.TextOut(X, Y, Tekst);
                GivBrushTilbage();

                // Second pass: the text in its own font at the undisplaced place, over
                // the depth text.
                if (FTypeTekst && !SkyggeMade) {
                    SkyggeMade = true;
                    FAlignVandret = TAv;
                    Hel = SkrivTekst(Can, R, CTFont, Tekst, FeltSit) && Hel;
                }
            }
        }
    }

    FAlignVandret = TAv;
    SkyggeMade = false;
    return Hel;
}

// The longest prefix of S whose characters, measured one by one, fit in the width.
QString TCompoTekst::AfkortetS(TArbejde &A, const QString &S)
{
    QString Result;
    std::int32_t Bredde = 0;
    for (const QChar C : S) {
        const std::int32_t Tegn = A.Can.TextWidth(QString(C));
        if (Bredde + Tegn > A.FV)
            break;
        Result += C;
        Bredde = A.Can.TextWidth(Result);
    }
    return Result;
}

std::int32_t TCompoTekst::FindX(TArbejde &A, const QString &Tekst) const
{
    switch (FAlignVandret) {
    case tvVenstre:
        return A.Rekt.Left;
    case tvHojre:
        return A.Rekt.Right - A.Can.TextWidth(Tekst);
    case tvCenter:
    default:
        return A.Rekt.Left + (A.FV - A.Can.TextWidth(Tekst)) / 2;
    }
}

std::int32_t TCompoTekst::FindY(TArbejde &A, const QString &Tekst) const
{
    switch (FAlignLodret) {
    case tlOppe:
        return A.Rekt.Top;
    case tlNede:
        return A.Rekt.Bottom - A.Can.TextHeight(Tekst);
    case tlCenter:
    default:
        return A.Rekt.Top + (A.FL - A.Can.TextHeight(Tekst)) / 2;
    }
}

// One character with the underline of a hot key added, the font given back after.
void TCompoTekst::UdskrivU(TCanvas &Can, std::int32_t X, std::int32_t Y, QChar C)
{
    const TFontStyles Stil = Can.Font.Style;
    Can.Font.Style = Stil | fsUnderline;
    Can.TextOut(X, Y, QString(C));
    Can.Font.Style = Stil;
}

// A line whose "&" marks the next character as a hot key. The text was placed by
// its full width, "&" included, so the line starts half an "&" further right.
void TCompoTekst::UdskrivUTekst(TArbejde &A, std::int32_t X, std::int32_t Y, const QString &Tekst)
{
    TCanvas &Can = A.Can;
    X += Can.TextWidth(Ampersand) / 2;
    for (qsizetype I = 0; I < Tekst.size(); ++I) {
        QChar C = Tekst.at(I);
        if (C == QLatin1Char('&')) {
            ++I;
            if (I >= Tekst.size())
                break;
            C = Tekst.at(I);
            UdskrivU(Can, X, Y, C);
        } else {
            Can.TextOut(X, Y, QString(C));
        }
        X += Can.TextWidth(QString(C));
    }
}

// A wrapped text that does not fit whole in the canvas font gets the largest
// font, one pixel smaller at a time, in which it does, but none smaller than
// FMindsteHojde. A text that fits keeps its font untouched.
void TCompoTekst::Formindsk(TArbejde &A, const QString &Tekst) const
{
    if (FMindsteHojde <= 0)
        return;
    TCanvas &Can = A.Can;
    const TMaaling Noegle{Tekst, Can.Font, A.FV, A.FL,
                          Can.painter()->testRenderHint(QPainter::TextAntialiasing)};
    auto Fundet = FMaalt.constFind(Noegle);
    if (Fundet == FMaalt.constEnd()) {
        constexpr qsizetype Huskes = 32; // more than the texts of a board
        if (FMaalt.size() >= Huskes)
            FMaalt.clear();
        Fundet = FMaalt.insert(Noegle, PassendeHojde(A, Tekst));
    }
    if (*Fundet != Can.Font.Height) {
        TFont Font = Can.Font;
        Font.Height = *Fundet;
        Can.Font = Font;
    }
}

// The height Formindsk chooses; the canvas font is left as it was.
std::int32_t TCompoTekst::PassendeHojde(TArbejde &A, const QString &Tekst) const
{
    const TFont Egen = A.Can.Font;
    TFont Font = Egen;
    while (!Passer(A, Tekst) && std::abs(Font.Height) > FMindsteHojde) {
        Font.Height = std::abs(Font.Height) - 1;
        A.Can.Font = Font;
    }
    A.Can.Font = Egen;
    return Font.Height;
}

// Whether the wrapped text fits whole in the canvas font, measured by the same
// steps that draw it.
bool TCompoTekst::Passer(TArbejde &A, const QString &Tekst) const
{
    return A.FL >= A.Can.TextHeight(Tekst) && DelTekst(A, Tekst, false);
}

// Word wrap: lines from the top-left corner, broken before a word that no longer
// fits and inside a word longer than a line; stops at the last line that fits.
// Without Tegn it only measures. True when the whole text was placed.
bool TCompoTekst::DelTekst(TArbejde &A, const QString &Tekst, bool Tegn) const
{
    TCanvas &Can = A.Can;
    const TRect &Rekt = A.Rekt;
    const auto Skriv = [&](std::int32_t X, std::int32_t Y, const QString &S) {
        if (Tegn)
            Can.TextOut(X, Y, S);
    };
    if (Can.TextWidth(Tekst) <= A.FV) {
        Skriv(Rekt.Left, Rekt.Top, Tekst);
        return true;
    }
    const std::int32_t Hojde = Can.TextHeight(Tekst);
    const std::int32_t Spring = Hojde + FLinieAfstand;
    QString Streng;
    std::int32_t StrengBredde = 0; // width(Streng), measured once per change
    const std::int32_t X = Rekt.Left;
    std::int32_t Y = Rekt.Top;
    qsizetype I = 0;
    while (I < Tekst.size()) {
        const QChar C = Tekst.at(I);
        ++I;
        if (StrengBredde + Can.TextWidth(QString(C)) <= A.FV &&
            !Ordwrap(A, Tekst, I, StrengBredde)) {
            Streng += C;
            StrengBredde = Can.TextWidth(Streng);
            continue;
        }
        Skriv(X, Y, Streng);
        Y += Spring;
        if (Y + Hojde > Rekt.Bottom)
            return false;
        // A line that takes nothing while the lines do not move down would repeat
        // for ever.
        const bool IntetTaget = Streng.isEmpty() && C != Mellemrum;
        if (IntetTaget && Spring <= 0)
            return false;
        Streng.clear();
        StrengBredde = 0;
        if (C != Mellemrum)
            --I;
    }
    Skriv(X, Y, Streng);
    return true;
}

// True when the character at position I (counted from 1) is a space and the space
// with the word after it no longer fits on the current line, StrengBredde wide.
bool TCompoTekst::Ordwrap(TArbejde &A, const QString &Tekst, qsizetype I, std::int32_t StrengBredde)
{
    if (Tekst.at(I - 1) != Mellemrum)
        return false;
    qsizetype Slut = Tekst.indexOf(Mellemrum, I);
    if (Slut < 0)
        Slut = Tekst.size();
    const QString S = Tekst.mid(I - 1, Slut - I + 1);
    return StrengBredde + A.Can.TextWidth(S) > A.FV;
}

// One character under the other in a column as wide as "A"; a space takes half a
// line. True when every character was placed.
bool TCompoTekst::TekstLodret(TArbejde &A, const QString &Tekst) const
{
    TCanvas &Can = A.Can;
    const std::int32_t Hojde = Can.TextHeight(Tekst);
    const std::int32_t X = FindXL(A);
    std::int32_t Y = FindYL(A, Tekst);
    if (FGenkey)
        Y += Can.TextHeight(Ampersand) / 2;
    // Not even the first character may end below the cell.
    if (Y + Hojde > A.Rekt.Bottom)
        return false;
    for (qsizetype I = 0; I < Tekst.size(); ++I) {
        const QChar C = Tekst.at(I);
        if (C == Mellemrum) {
            Y += Hojde / 2;
        } else {
            if (C == QLatin1Char('&') && FGenkey) {
                ++I;
                if (I < Tekst.size())
                    UdskrivU(Can, X, Y, Tekst.at(I));
            } else {
                Can.TextOut(X, Y, QString(C));
            }
            Y += Hojde;
        }
        if (Y + Hojde > A.Rekt.Bottom)
            return I + 1 >= Tekst.size();
    }
    return true;
}

std::int32_t TCompoTekst::FindXL(TArbejde &A) const
{
    const std::int32_t Bredde = A.Can.TextWidth(BogstavA);
    std::int32_t X;
    switch (FAlignVandret) {
    case tvVenstre:
        X = A.Rekt.Left;
        break;
    case tvHojre:
        X = A.Rekt.Right - Bredde;
        break;
    case tvCenter:
    default:
        X = A.Rekt.Left + (A.FV - Bredde) / 2;
        break;
    }
    return X < A.Rekt.Left ? A.Rekt.Left : X;
}

std::int32_t TCompoTekst::FindYL(TArbejde &A, const QString &Tekst) const
{
    std::int32_t Y;
    switch (FAlignLodret) {
    case tlOppe:
        Y = A.Rekt.Top;
        break;
    case tlNede:
        // Placed as if every character, spaces too, took a whole line.
        Y = A.Rekt.Bottom - std::int32_t(Tekst.size()) * A.Can.TextHeight(Tekst);
        break;
    case tlCenter:
    default:
        Y = A.Rekt.Top + (A.FL - TekstHojde(A, Tekst)) / 2;
        break;
    }
    return Y < A.Rekt.Top ? A.Rekt.Top : Y;
}

// Height of a vertical text: a line per character, half a line per space.
std::int32_t TCompoTekst::TekstHojde(TArbejde &A, const QString &Tekst)
{
    const std::int32_t Hojde = A.Can.TextHeight(Tekst);
    std::int32_t Sum = 0;
    for (const QChar C : Tekst)
        Sum += C == Mellemrum ? Hojde / 2 : Hojde;
    return Sum;
}

std::int32_t LinieHojde(TCanvas &Can, const TFont &Font)
{
    Can.Font = Font;
    return Can.TextHeight(QStringLiteral("Aykj"));
}

void SaetCompoTekst(QPointer<TCompoTekst> &Ref, TCompoTekst *Value, TGrundFelt &Felt)
{
    Ref = Value;
    if (Ref)
        Ref->SetOnChange([Selv = QPointer(&Felt)] {
            if (Selv)
                Selv->Invalidate();
        });
    Felt.Invalidate();
}

} // namespace kvidrel
