#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace kvidrel {

// A window's saved outer frame as the information window keeps it: top, left,
// width and height in pixels, one decimal integer a line.
struct Placering
{
    std::int32_t oppe = 0;
    std::int32_t venstre = 0;
    std::int32_t bredde = 0;
    std::int32_t hoejde = 0;
};

// nullopt for a missing, unreadable, short or garbled file: the window is then
// placed as if it had never been saved.
std::optional<Placering> hentPlacering(const QString &fil);
// Throws FileError.
void gemPlacering(const QString &fil, const Placering &placering);

} // namespace kvidrel
