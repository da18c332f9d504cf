#pragma once

// The schema's grid: fields laid out like the list's, with a header column and
// a header row that may have a fixed width and height, their own frame
// (SkemaRamme) and a say in which fields answer the mouse. The schema has no
// scrolling, so field number and item number are the same.

#include "propvar.h"

#include <vector>

namespace kvidrel {

// One field of the schema.
struct TXFelt : TFeltGrund
{
    TRect SIR;              // inside the header frame: picture and text of a header cell
    bool SkemaFelt = false; // a header cell
    bool NoRespons = false; // closed to the mouse, the highlight and the keys
};

using TXFeltArray = std::vector<TXFelt>;

class TXFelter : public TPropVar
{
public:
    explicit TXFelter(QWidget *AOwner = nullptr);
    ~TXFelter() override;

    TXFeltArray &Felt() { return FFelt; }
    const TXFeltArray &Felt() const { return FFelt; }
    void SetFelt(TXFeltArray Value) { FFelt = std::move(Value); }

    // The header cells' frame and the table settings: FeltBredde and FeltHojde
    // of the header column and row, Retning, KlikType, NoNulFelt, NoNulMus,
    // IndreFelt and SkemaBitType.
    TXListeRamme &SkemaRamme() { return FSkemaRamme; }
    const TXListeRamme &SkemaRamme() const { return FSkemaRamme; }
    void SetSkemaRamme(const TXListeRamme &Value) { FSkemaRamme.Assign(Value); }

    // Lays the fields out in the content rectangle.
    void BeregnFelter();
    // Draws the frame of field Nr by its state.
    void MakeRamme(std::int32_t Nr) override;

    void InitFelt(std::int32_t FeltAntal);
    // Set a field's state without painting.
    void InitNormal(std::int32_t FeltNr);
    void InitAktiv(std::int32_t FeltNr);
    // Every field normal, or every field inactive; the control stays enabled.
    void EnabledAll(bool Enabled);

    // Whether entry I is a header text by its place in the rows (row-major).
    bool ErSkemaIndeks(std::int32_t I) const;

protected:
    void Paint() override;

    bool GyldigtFelt(std::int32_t Nr) const { return Nr >= 0 && std::size_t(Nr) < FFelt.size(); }
    const TFeltGrund *FeltGrund(std::int32_t Nr) const override
    {
        return GyldigtFelt(Nr) ? &FFelt[std::size_t(Nr)] : nullptr;
    }
    TFeltGrund *SikretFelt(std::int32_t Nr) override
    {
        SikrFelt(Nr);
        return &FFelt[std::size_t(Nr)];
    }
    // Grows the field array to at least FeltNr + 1 entries.
    void SikrFelt(std::int32_t FeltNr);
    TXFeltArray FFelt;
    TXListeRamme FSkemaRamme;

private:
    // Header cells: size, kind and whether field 0 answers the mouse.
    void SaetSkemaFelt(TXFelt &T, std::int32_t I) const;
    void SaetRespons(TXFelt &T, std::int32_t I) const;
};

} // namespace kvidrel
