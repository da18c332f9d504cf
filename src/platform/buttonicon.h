#pragma once

#include <QIcon>
#include <QStyle>

namespace kvidrel {

// The style's standard icon, fetched the first time it is drawn and kept only
// in the sizes drawn. The style's own icon holds a pixmap of every size up to
// 128 pixels, and reading them loads every picture format plugin: for the
// buttons of windows that are not yet shown, that cost start-up time and over
// a megabyte of memory.
QIcon buttonIcon(QStyle::StandardPixmap which);

} // namespace kvidrel
