#include "lazywindow.h"

#include <QWidget>

namespace kvidrel {

void markSecondary(QWidget *window)
{
    window->setAttribute(Qt::WA_QuitOnClose, false);
}

} // namespace kvidrel
