#pragma once

#include <QString>

namespace kvidrel {

// A web search for tekst in the user's browser. When no browser can be
// started the host is told so in a notice, and the address to use by hand.
void soegPaaNettet(const QString &tekst);

} // namespace kvidrel
