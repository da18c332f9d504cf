#pragma once

// The schema's texts: entry N of the text list is the text of field N. Header
// cells are drawn in SkemaFont inside their header frame, ordinary fields in
// the control's Font, right-aligned when Display is set.

#include "compotekst.h"
#include "xbitmap.h"

#include <QPointer>
#include <QStringList>

namespace kvidrel {

// What a field of the schema holds: the text as it is, cut after 255 UTF-16
// units.
QString KortStreng(const QString &S);

class TXTekst : public TXBitmap
{
public:
    explicit TXTekst(QWidget *AOwner = nullptr);

    const QStringList &TekstListe() const { return FTekstListe; }
    // Copies the strings and paints again.
    void SetTekstListe(const QStringList &Value);
    // Not owned; its changes repaint this control.
    TCompoTekst *CompoTekst() const { return FCompoTekst.data(); }
    void SetCompoTekst(TCompoTekst *Value) { SaetCompoTekst(FCompoTekst, Value, *this); }
    // The font of the header cells.
    const TFont &SkemaFont() const { return FSkemaFont; }
    void SetSkemaFont(const TFont &Value);
    // Ordinary texts are drawn right-aligned.
    bool Display() const { return FDisplay; }
    void SetDisplay(bool Value);

    void MakeTekst(std::int32_t Nr) override;
    // Sets the text of field Nr (cut to a short string) and, once the fields
    // are laid out, redraws the field at once.
    void TekstFelt(std::int32_t Nr, const QString &S);
    // The widest text and the line height, in the control's Font.
    std::int32_t TekstBredde();
    std::int32_t TekstHojde();
    // The widest header text and the line height, in SkemaFont.
    std::int32_t SkemaTekstBredde();
    std::int32_t SkemaTekstHojde();

protected:
    void Paint() override;

    QStringList FTekstListe;
    QPointer<TCompoTekst> FCompoTekst;
    TFont FSkemaFont;
    bool FDisplay = false;

private:
    std::int32_t Bredest(const TFont &Font, bool KunSkema);
};

} // namespace kvidrel
