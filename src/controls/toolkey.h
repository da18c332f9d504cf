#pragma once

// The list's keyboard: the arrow keys, Home and End move the highlight past
// blocked fields (and scroll at the edge of a longer list), Space toggles the
// highlight, Enter clicks the highlighted field.

#include "toolmus.h"

namespace kvidrel {

class TToolKey : public TToolMus
{
public:
    explicit TToolKey(QWidget *AOwner = nullptr);

protected:
    bool KeyDown(std::uint16_t Key, TShiftState Shift) override;

private:
    bool Enter() override;
    void Naviger(std::uint16_t Key) override;
};

} // namespace kvidrel
