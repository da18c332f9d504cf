#pragma once

#include <QFont>

namespace kvidrel {

// Makes the face "Tahoma" available (the font file when the system has one,
// otherwise a sans-serif substitute under that name) and the windows' face.
void registerTahoma();

// Tahoma with a character height in pixels, as the window designs give it.
QFont tahoma(int pixels);

} // namespace kvidrel
