#pragma once

// The schema's keyboard: the arrow keys, Home and End move the highlight past
// blocked fields (the schema never scrolls), Space toggles the highlight,
// Enter clicks the highlighted field.

#include "xmus.h"

namespace kvidrel {

class TXKey : public TXMus
{
public:
    explicit TXKey(QWidget *AOwner = nullptr);

protected:
    bool KeyDown(std::uint16_t Key, TShiftState Shift) override;

private:
    bool Enter() override;
    void Naviger(std::uint16_t Key) override;
};

} // namespace kvidrel
