#include "egenskaber.h"

namespace kvidrel {

Tegenskabsform *egenskabsform = nullptr;

Tegenskabsform::Tegenskabsform(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Egenskaber"));
    resize(320, 240);
}

} // namespace kvidrel
