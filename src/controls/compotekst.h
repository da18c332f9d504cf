#pragma once

// How a text is laid out and drawn inside a cell: margins, alignment, the pressed
// shift, word wrap, cutting to the width, vertical text, hot-key underlining, one
// font per cell state and a depth effect that draws the text twice. The field
// controls hand every cell's text to one of these.

#include "drawtypes.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

namespace kvidrel {

class TCanvas;
class TGrundFelt;

class TCompoTekst : public QObject
{
public:
    explicit TCompoTekst(QObject *AOwner = nullptr);

    // Draws Tekst into Rekt (the cell's inner rectangle before margins). CTFont is
    // the calling control's font, used for state 0 and states without a font here.
    // Leaves the brush solid in its entry colour and the canvas font at the last
    // font chosen; an empty text leaves the canvas untouched. False when part of
    // the text was left out: cut, stopped at the last line that fits, or not
    // drawn at all.
    bool SkrivTekst(TCanvas &Can, TRect Rekt, const TFont &CTFont, QString Tekst, TFeltSit FeltSit);

    std::int32_t MargenOppe() const { return FMargenOppe; }
    void SetMargenOppe(std::int32_t Value);
    std::int32_t MargenNede() const { return FMargenNede; }
    void SetMargenNede(std::int32_t Value);
    std::int32_t MargenVenstre() const { return FMargenVenstre; }
    void SetMargenVenstre(std::int32_t Value);
    std::int32_t LinieAfstand() const { return FLinieAfstand; }
    void SetLinieAfstand(std::int32_t Value);
    std::int32_t MargenHojre() const { return FMargenHojre; }
    void SetMargenHojre(std::int32_t Value);
    TAlignLodret AlignLodret() const { return FAlignLodret; }
    void SetAlignLodret(TAlignLodret Value);
    TAlignVandret AlignVandret() const { return FAlignVandret; }
    void SetAlignVandret(TAlignVandret Value);
    bool OpdelTekst() const { return FOpdelTekst; }
    void SetOpdelTekst(bool Value);
    // The smallest height a wrapped text's font may shrink to, one pixel at a
    // time, until the whole text fits; at it a text is stopped as always. 0
    // keeps the font.
    std::int32_t MindsteHojde() const { return FMindsteHojde; }
    void SetMindsteHojde(std::int32_t Value);
    const TNotifyEvent &OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
    std::int32_t AktivLodret() const { return FAktivLodret; }
    void SetAktivLodret(std::int32_t Value);
    std::int32_t AktivVandret() const { return FAktivVandret; }
    void SetAktivVandret(std::int32_t Value);
    bool Genkey() const { return FGenkey; }
    void SetGenkey(bool Value);
    bool LodretTekst() const { return FLodretTekst; }
    void SetLodretTekst(bool Value);
    // Set by the schema before each cell; no repaint follows.
    bool HojreStillet() const { return FHojreStillet; }
    void SetHojreStillet(bool Value) { FHojreStillet = Value; }
    const TFont &FontAktiv() const { return FFontAktiv; }
    void SetFontAktiv(const TFont &Value);
    const TFont &FontInAktiv() const { return FFontInAktiv; }
    void SetFontInAktiv(const TFont &Value);
    TTekstType Inaktiv() const { return FInaktiv; }
    void SetInaktiv(TTekstType Value);
    TTekstType OverAktiv() const { return FOverAktiv; }
    void SetOverAktiv(TTekstType Value);
    TTekstType Aktiv() const { return FAktiv; }
    void SetAktiv(TTekstType Value);
    TTekstType Over() const { return FOver; }
    void SetOver(TTekstType Value);
    TTekstType Normal() const { return FNormal; }
    void SetNormal(TTekstType Value);
    bool TypeTekst() const { return FTypeTekst; }
    void SetTypeTekst(bool Value);
    std::uint8_t DybdeLodret() const { return FDybdeLodret; }
    void SetDybdeLodret(std::uint8_t Value);
    std::uint8_t DybdeVandret() const { return FDybdeVandret; }
    void SetDybdeVandret(std::uint8_t Value);
    const TFont &FontDybde() const { return FFontDybde; }
    void SetFontDybde(const TFont &Value);
    const TFont &FontOver() const { return FFontOver; }
    void SetFontOver(const TFont &Value);

private:
    // The rectangle and the measures of one drawing pass.
    struct TArbejde
    {
        TCanvas &Can;
        TRect Rekt;
        std::int32_t FV = 0; // width
        std::int32_t FL = 0; // height
    };

    void Changed();
    template <typename T> void Saet(T &Field, const T &Value);

    const TFont &FontEfterRegelA(TFeltSit FeltSit, const TFont &CTFont) const;
    const TFont &FontEfterRegelB(TFeltSit FeltSit, const TFont &CTFont) const;
    TTekstType TekstTyp(TFeltSit FeltSit) const;

    static QString AfkortetS(TArbejde &A, const QString &S);
    std::int32_t FindX(TArbejde &A, const QString &Tekst) const;
    std::int32_t FindY(TArbejde &A, const QString &Tekst) const;
    static void UdskrivU(TCanvas &Can, std::int32_t X, std::int32_t Y, QChar C);
    static void UdskrivUTekst(TArbejde &A, std::int32_t X, std::int32_t Y, const QString &Tekst);
    void Formindsk(TArbejde &A, const QString &Tekst) const;
    std::int32_t PassendeHojde(TArbejde &A, const QString &Tekst) const;
    bool Passer(TArbejde &A, const QString &Tekst) const;
    bool DelTekst(TArbejde &A, const QString &Tekst, bool Tegn) const;
    static bool Ordwrap(TArbejde &A, const QString &Tekst, qsizetype I, std::int32_t StrengBredde);
    bool TekstLodret(TArbejde &A, const QString &Tekst) const;
    std::int32_t FindXL(TArbejde &A) const;
    std::int32_t FindYL(TArbejde &A, const QString &Tekst) const;
    static std::int32_t TekstHojde(TArbejde &A, const QString &Tekst);

    std::int32_t FMargenOppe = 0;
    std::int32_t FMargenNede = 0;
    std::int32_t FMargenVenstre = 0;
    std::int32_t FLinieAfstand = 0;
    std::int32_t FMargenHojre = 0;
    TAlignLodret FAlignLodret = tlCenter;
    TAlignVandret FAlignVandret = tvCenter;
    bool FOpdelTekst = false;
    std::int32_t FMindsteHojde = 0;
    TNotifyEvent FOnChange;
    std::int32_t FAktivLodret = 2;
    std::int32_t FAktivVandret = 2;
    bool FGenkey = false;
    bool FLodretTekst = false;
    bool FHojreStillet = false;
    TFont FFontAktiv;
    TFont FFontInAktiv;
    TTekstType FInaktiv = ttNormal;
    TTekstType FOverAktiv = ttNormal;
    TTekstType FAktiv = ttNormal;
    TTekstType FOver = ttNormal;
    TTekstType FNormal = ttNormal;
    bool FTypeTekst = false;
    std::uint8_t FDybdeLodret = 0;
    std::uint8_t FDybdeVandret = 0;
    TFont FFontDybde;
    TFont FFontOver;
    bool SkyggeMade = false;

    // The font heights the shrinking found, for the texts that are drawn again
    // at every paint: finding one wraps the text once per pixel. Any change of
    // the component forgets them.
    struct TMaaling
    {
        QString Tekst;
        TFont Font;
        std::int32_t FV;
        std::int32_t FL;
        bool Glat; // smoothed text may measure otherwise
        friend bool operator==(const TMaaling &, const TMaaling &) = default;
        friend size_t qHash(const TMaaling &M, size_t Seed = 0)
        {
            return qHashMulti(Seed, M.Tekst, M.Font.Name, M.Font.Height, M.Font.Style, M.FV, M.FL,
                              M.Glat);
        }
    };
    mutable QHash<TMaaling, std::int32_t> FMaalt;
};

// The height of a line of text in Font, with ascenders and descenders; leaves
// Font on the canvas.
std::int32_t LinieHojde(TCanvas &Can, const TFont &Font);

// Points control Felt at the component it draws its texts with, kept in Ref,
// and paints Felt again. The component sits on the window and may outlast the
// control, so its changes repaint the control only while the control lives.
void SaetCompoTekst(QPointer<TCompoTekst> &Ref, TCompoTekst *Value, TGrundFelt &Felt);

} // namespace kvidrel
