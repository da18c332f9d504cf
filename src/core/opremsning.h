#pragma once

#include <QStringList>

namespace kvidrel {

// Lines for a notice, one per line ("\r" between them): the first hoejst of
// them, then "og N flere" for the rest, so a notice never outgrows the screen.
QString opremsning(const QStringList &linjer, qsizetype hoejst = 10);

} // namespace kvidrel
