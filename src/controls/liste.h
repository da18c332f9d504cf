#pragma once

// The list control placed on the windows: a grid of text fields that can be
// clicked, highlighted and moved through with the keys. By default it looks
// like a list box: four rows of plain white rectangles, the selected and the
// highlighted row blue.

#include "toolkey.h"

namespace kvidrel {

class TListe : public TToolKey
{
public:
    explicit TListe(QWidget *AOwner = nullptr);
};

} // namespace kvidrel
