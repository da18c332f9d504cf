#pragma once

// The field grid with a text per item, kept in a string list and drawn by a text
// component on the window. TekstFelt is how the windows put texts on the board:
// the field shows the new text before the call returns.

#include "bitmapfelter.h"
#include "compotekst.h"

#include <QPointer>
#include <QStringList>

namespace kvidrel {

class TTekstFelter : public TBitmapFelter
{
public:
    explicit TTekstFelter(QWidget *AOwner = nullptr);
    ~TTekstFelter() override;

    // The item texts, indexed by item number.
    const QStringList &TekstListe() const { return FTekstListe; }
    // Copies the strings and paints again.
    void SetTekstListe(const QStringList &Value);
    // Not owned; its changes repaint this control.
    TCompoTekst *CompoTekst() const { return FCompoTekst.data(); }
    void SetCompoTekst(TCompoTekst *Value) { SaetCompoTekst(FCompoTekst, Value, *this); }

    // Draws the text of visible field Nr.
    void MakeTekst(std::int32_t Nr) override;
    // Sets the text of item Nr (0 or more) and, once the fields are laid out and
    // the item is in view, redraws its field at once.
    void TekstFelt(std::int32_t Nr, const QString &S);
    // Sets the text of item TotalNr without drawing; before the first layout it
    // appends S instead.
    void Tekst(std::int32_t TotalNr, const QString &S);
    // Whether S would show whole in a field of this list (its fields are all of
    // one size), measured by drawing it there in the normal state.
    bool TekstPasser(const QString &S);
    // The widest item text, and the height of a line, in the control's font.
    std::int32_t TekstBredde();
    std::int32_t TekstHojde();

protected:
    void Paint() override;

    // Grows the list with empty entries until item Nr exists.
    void SikrTekst(std::int32_t Nr);

    QStringList FTekstListe;
    QPointer<TCompoTekst> FCompoTekst;
};

} // namespace kvidrel
