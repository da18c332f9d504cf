#pragma once

#include <QList>

class QWidget;

namespace kvidrel {

// For the start-up benchmark: with KVIDREL_MAALING set in the environment, the
// first time the event loop is about to wait after every window in vinduer is
// exposed, one line "klar <monotonic ns> <VmRSS kB> <VmHWM kB>" goes to
// standard output and the program quits. Without the variable it does nothing.
void meldNaarKlar(const QList<QWidget *> &vinduer);

} // namespace kvidrel
