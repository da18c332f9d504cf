#include "egenskaber.h"

namespace kvidrel {

LazyWindow<Tegenskabsform> egenskabsform;

Tegenskabsform::Tegenskabsform(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Egenskaber"));
    resize(320, 240);
}

} // namespace kvidrel
