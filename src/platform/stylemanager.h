#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace kvidrel {

// The visual styles the program carries, by name. "Windows" is the plain
// platform style; the others are our own themes.
namespace stylemanager {

// Every known name, sorted.
QStringList StyleNames();

// Applies the named style (names compare without regard to case). An unknown
// name keeps the current style, is reported in a notice and gives false.
bool TrySetStyle(const QString &name);

// The name of the style in use; empty before the first successful TrySetStyle.
QString ActiveStyleName();

// Where the report of an unknown name goes; the program points it at its
// notice dialog once that exists. Unset, the default error message carries it.
void setNoticeSink(std::function<void(const QString &)> sink);

} // namespace stylemanager
} // namespace kvidrel
