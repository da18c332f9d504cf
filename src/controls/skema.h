#pragma once

// The schema placed on the windows: a table with a header row and a header
// column, used by the game as its score table.

#include "xkey.h"

namespace kvidrel {

class TSkema : public TXKey
{
public:
    explicit TSkema(QWidget *AOwner = nullptr);
};

} // namespace kvidrel
