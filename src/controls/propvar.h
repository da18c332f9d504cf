#pragma once

// The grid configuration shared by the list and the schema controls: how many
// fields in how many rows and columns, the field frame, how fields react, and
// which field is active and which is highlighted. The steps of a press and of
// the highlight that both controls take alike live here too, run through the
// state hooks that the interactive controls give, and so does the turning of
// Qt's mouse, key and focus events into those hooks. Indices count the visible
// fields; -1 is none.

#include "feltinput.h"
#include "rammefelt.h"

namespace kvidrel {

// A field drawn as a plain rectangle in the colour of its state, as both grids
// do with RulFunktion.
void TegnRulFelt(TCanvas &Can, const TXRamme &F, const TRect &YR, TFeltSit s, bool EnFunktionel,
                 bool BrugOverFarve);

// What every field of a grid holds: its place and its state.
struct TFeltGrund
{
    std::int32_t Nummer = 0;
    std::int32_t X1 = 0;
    std::int32_t Y1 = 0;
    std::int32_t X2 = 0;
    std::int32_t Y2 = 0;
    TRect YR; // outer rectangle, the frame goes here (inclusive)
    TRect IR; // inside the frame: picture, text and hit tests
    TFeltSit FSit = sNormal;
};

class TPropVar : public TRammeFelt
{
public:
    explicit TPropVar(QWidget *AOwner = nullptr);
    ~TPropVar() override;

    // The frame of ordinary fields; owned, configured through its own
    // properties, never replaced.
    TXFeltRamme &FeltRamme() { return FFeltRamme; }
    const TXFeltRamme &FeltRamme() const { return FFeltRamme; }
    void SetFeltRamme(const TXFeltRamme &Value) { FFeltRamme.Assign(Value); }

    // Whether the frame's colour switches follow each field's state; setting
    // one turns its switch off.
    bool BrugAktivFarve() const { return FBrugAktivFarve; }
    void SetBrugAktivFarve(bool Value);
    bool BrugOverFarve() const { return FBrugOverFarve; }
    void SetBrugOverFarve(bool Value);
    bool BrugOmrids() const { return FBrugOmrids; }
    void SetBrugOmrids(bool Value);

    // Geometry: a change clears FelterBeregnet and paints again; writing the
    // current value does nothing.
    std::int32_t AntalFelter() const { return FAntalFelter; }
    void SetAntalFelter(std::int32_t Value) { Refresh(FAntalFelter, Value); }
    std::int32_t AntalLodret() const { return FAntalLodret; }
    void SetAntalLodret(std::int32_t Value) { Refresh(FAntalLodret, Value); }
    std::int32_t AntalVandret() const { return FAntalVandret; }
    void SetAntalVandret(std::int32_t Value) { Refresh(FAntalVandret, Value); }
    bool AutoDim() const { return FAutoDim; }
    void SetAutoDim(bool Value) { Refresh(FAutoDim, Value); }
    bool NumLodret() const { return FNumLodret; }
    void SetNumLodret(bool Value) { Refresh(FNumLodret, Value); }

    // Behaviour: stored, taking effect at the next paint or event.
    TRammeType Reaktion() const { return FReaktion; }
    void SetReaktion(TRammeType Value) { FReaktion = Value; }
    TRammeType OverReaktion() const { return FOverReaktion; }
    void SetOverReaktion(TRammeType Value) { FOverReaktion = Value; }
    bool EnFunktionel() const { return FEnFunktionel; }
    void SetEnFunktionel(bool Value) { FEnFunktionel = Value; }
    bool RulFunktion() const { return FRulFunktion; }
    void SetRulFunktion(bool Value) { FRulFunktion = Value; }
    // Tool mode: the selection stays after the release.
    bool ToolFunktion() const { return FToolFunktion; }
    void SetToolFunktion(bool Value) { FToolFunktion = Value; }
    // In tool mode the selection can be pressed again to take it away.
    bool AlleOppe() const { return FAlleOppe; }
    void SetAlleOppe(bool Value) { FAlleOppe = Value; }
    bool NoFoNoAktiv() const { return FNoFoNoAktiv; }
    void SetNoFoNoAktiv(bool Value) { FNoFoNoAktiv = Value; }
    bool NoFoNoOver() const { return FNoFoNoOver; }
    void SetNoFoNoOver(bool Value) { FNoFoNoOver = Value; }

    // Field size: an output of the layout where it is computed.
    std::int32_t FeltBredde() const { return FFeltBredde; }
    void SetFeltBredde(std::int32_t Value);
    std::int32_t FeltHojde() const { return FFeltHojde; }
    void SetFeltHojde(std::int32_t Value);

    // The state of field Nr; 0 for a field that does not exist.
    TFeltSit Sit(std::int32_t Nr) const;

    // A completed click (and Enter): the list gives the item number, the
    // schema the field number.
    const TFelterMus &OnMus() const { return FOnMus; }
    void SetOnMus(TFelterMus Value) { FOnMus = std::move(Value); }
    // The highlight moved: numbered as OnMus.
    const TOverMus &OnMusOver() const { return FOnMusOver; }
    void SetOnMusOver(TOverMus Value) { FOnMusOver = std::move(Value); }
    // The highlight follows the mouse pointer.
    bool MusOver() const { return FMusOver; }
    void SetMusOver(bool Value) { FMusOver = Value; }
    bool TabStop() const { return kvidrel::TabStop(*this); }
    void SetTabStop(bool Value) { kvidrel::SetTabStop(*this, Value); }

    std::int32_t GetAktivNr() const { return NewNr; }
    std::int32_t GetOverNr() const { return OverNr; }
    // Stores the highlighted field without painting.
    void SetOverNr(std::int32_t FeltNr) { OverNr = FeltNr; }

    // Draw the frame, the picture and the text of field Nr by its state
    // (nothing at this level).
    virtual void MakeRamme(std::int32_t) {}
    virtual void MakeBitmap(std::int32_t) {}
    virtual void MakeTekst(std::int32_t) {}
    // Redraws field Nr at once: frame, picture and text.
    void TegnFelt(std::int32_t Nr);

    // Set field FeltNr's state without painting, growing the field array
    // when needed.
    void InitOver(std::int32_t FeltNr);
    void InitInAktiv(std::int32_t FeltNr);

    // A new base frame moves the content rectangle: lay out again.
    void RammeForandret() override;

protected:
    // So does a new size.
    void StoerrelseAendret() override;
    // Sets frame R's colour switches for a field's state, each only where its
    // Brug property asks for it.
    void SaetSitFarver(TXRamme &R, bool Aktiv, bool OverFarve, bool Omrids);
    // The field states in motion, given by the interactive controls; a grid
    // without them leaves its fields as they are.
    virtual void FeltAktiv(std::int32_t, bool) {}
    virtual void FeltOver(std::int32_t, bool) {}
    // Closed to the highlight and the arrow keys.
    virtual bool Blokeret(std::int32_t) const { return false; }

    // Field Nr of the grid; nullptr when there is no such field.
    virtual const TFeltGrund *FeltGrund(std::int32_t) const { return nullptr; }
    // Field Nr (0 or more), the field array grown to hold it.
    virtual TFeltGrund *SikretFelt(std::int32_t) { return nullptr; }
    // The first field whose inner rectangle holds the point; -1 for none.
    std::int32_t FeltVed(std::int32_t X, std::int32_t Y) const;
    bool IFelt(std::int32_t Nr, std::int32_t X, std::int32_t Y) const;

    // A press gives a TabStop control the focus; what that sets off runs first.
    void TagFokus();
    // The pointer over a TabStop control without the focus gives it the focus,
    // and what that sets off runs knowing that the mouse brought it (MusMove).
    void TagFokusVedMus();
    // The selection is taken away.
    void SlipAktiv();

    // The keys of the interactive controls: Enter clicks the highlighted field
    // (true when there was one), a navigation key moves the highlight.
    virtual bool Enter() { return false; }
    virtual void Naviger(std::uint16_t) {}
    // Tool mode: Enter on the highlighted field selects it (AlleOppe: Enter on
    // the selection takes it away).
    void ToolEnter();
    // Runs key Key; true when the key was used.
    bool TastNed(std::uint16_t Key);

    // The highlight moves to field N; a single-function grid drops its selection.
    void FlytOver(std::int32_t N);
    // The field a navigation key leads to from the highlight; -1 when every
    // field is blocked.
    std::int32_t OverMaal(std::uint16_t KeyArt) const;
    // Space: the highlighted field, or the first free one, loses or gets the
    // highlight.
    void SkiftOver();

    // A press on field I, which answers the mouse: selects it (tool mode: the
    // old selection gives way, or AlleOppe notes whether it was selected).
    void TrykNed(std::int32_t I);
    // Tool mode: the press ended outside its field; the old selection is back.
    void ToolFortrudt();
    // Tool mode: the release came inside the pressed field. Shows the new
    // selection (AlleOppe: a second click on it takes it away) before the
    // handlers run, and makes it the selection.
    void ToolKlikVis();
    // The hand (CursorOver) over the highlighted field at the point (X, Y).
    void WMSetCursor(std::int32_t X, std::int32_t Y);
    // The control's own cursor again.
    void NormalCursor();
    // During a press the pointer is inside (Inde) or outside the pressed field;
    // moving out and back shows the old and the new selection in turn. With
    // SlukOver, coming back takes the highlight from a single-function grid.
    void TrykFlyt(bool Inde, bool SlukOver);

    // A field frame changed: paint again.
    virtual void RammeChange() { Invalidate(); }

    // Mouse, keys and focus in the grids' own terms; the interactive controls
    // give them. A grid without them does nothing with the mouse or the
    // focus, and passes every key on to the window.
    virtual void MouseDown(TMouseButton, TShiftState, std::int32_t, std::int32_t) {}
    virtual void MouseMove(TShiftState, std::int32_t, std::int32_t) {}
    virtual void MouseUp(TMouseButton, TShiftState, std::int32_t, std::int32_t) {}
    // True when the key was used.
    virtual bool KeyDown(std::uint16_t, TShiftState) { return false; }
    // The control was entered or left (not a window activation).
    virtual void DoEnter() {}
    virtual void DoExit() {}

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

    // The grid as the layout and the keys see it.
    TGitter Gitter() const { return {FAntalFelter, FAntalLodret, FAntalVandret, FNumLodret}; }
    // A grid without rows or columns holds no fields; nor more than fit.
    void BegraensAntalFelter();

    template <typename T> void Refresh(T &Field, T Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        FelterBeregnet = false;
        Invalidate();
    }

    TXFeltRamme FFeltRamme;
    TFelterMus FOnMus;
    TOverMus FOnMusOver;
    bool FMusOver = false;
    bool FBrugAktivFarve = false;
    bool FBrugOverFarve = false;
    bool FBrugOmrids = false;
    bool FAutoDim = false;
    bool FRulFunktion = false;
    bool FEnFunktionel = false;
    bool FNumLodret = false;
    std::int32_t FAntalVandret = 0;
    std::int32_t FFeltHojde = 0;
    std::int32_t FAntalLodret = 0;
    std::int32_t FAntalFelter = 0;
    std::int32_t FFeltBredde = 0;
    TRammeType FReaktion = rtIngen;
    TRammeType FOverReaktion = rtIngen;
    bool FToolFunktion = false;
    bool FAlleOppe = false;
    bool FNoFoNoAktiv = false;
    bool FNoFoNoOver = false;

    // The fields have been laid out at least once; until then most operations
    // only record state.
    bool CompoMade = false;
    // The layout is up to date.
    bool FelterBeregnet = false;
    std::int32_t NewNr = 0;  // active field
    std::int32_t OldNr = 0;  // active field before the current press or key
    std::int32_t OverNr = 0; // highlighted field
    bool MusMove = false;    // the focus is taken because of a mouse move
    bool OverCurs = false;   // CursorOver is to be shown inside InRekt
    // A button went down on a field and has not come up yet.
    bool MouseNede = false;
    // During a press: the pointer is inside the pressed field.
    bool MouseOver = false;
    // AlleOppe: the pressed field was already selected when the press began.
    bool KnabDown = false;

private:
    // Tool mode: the pointer left or re-entered the pressed field.
    void ToolIndUd(bool Inde, bool SlukOver);

    TOverCursor FOverCursor;
};

} // namespace kvidrel
