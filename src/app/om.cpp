#include "om.h"

namespace kvidrel {

LazyWindow<Tomform> omform;

Tomform::Tomform(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Om Kvidrel"));
    resize(320, 240);
}

} // namespace kvidrel
