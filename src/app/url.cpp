#include "url.h"

#include "appfont.h"

namespace kvidrel {

Turlform *urlform = nullptr;

Turlform::Turlform(QWidget *parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Urlboks"));
    setFont(tahoma(11));
    setFixedWidth(350);
    setMinimumHeight(270);
    resize(350, 270);
}

} // namespace kvidrel
