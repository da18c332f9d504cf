#pragma once

// The schema's pictures: one per field, drawn by a field bitmap description;
// SkemaRamme.SkemaBitType says whether ordinary fields, header cells or both
// get them.

#include "feltbit.h"
#include "xfelter.h"

namespace kvidrel {

class TXBitmap : public TXFelter
{
public:
    explicit TXBitmap(QWidget *AOwner = nullptr);
    ~TXBitmap() override;

    // Owned; configured through its own properties, never replaced.
    TFeltBit &FeltBitmap() { return FFeltBitmap; }
    const TFeltBit &FeltBitmap() const { return FFeltBitmap; }

    void MakeBitmap(std::int32_t Nr) override;

protected:
    void Paint() override;

    TFeltBit FFeltBitmap;
};

} // namespace kvidrel
