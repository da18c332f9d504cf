#include "information.h"

#include "appfont.h"

namespace kvidrel {

Tinfoform *infoform = nullptr;

Tinfoform::Tinfoform(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Strukturer"));
    setFont(tahoma(11));
    resize(734, 451);
}

} // namespace kvidrel
