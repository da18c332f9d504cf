// The information window's position file holding any bytes, read and applied
// to a shown window as the window does: no overflow, and the window ends up
// within its size limits and reachable on the screen.

#include "fuzzgui.h"
#include "fuzzsupport.h"
#include "placement.h"
#include "placering.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

using namespace kvidrel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::quietQt();
    fuzz::widgetApp();
    static QWidget *vindue = [] {
        auto *w = new QWidget;
        w->setMinimumSize(734, 451);
        w->show();
        return w;
    }();
    const QString fil = fuzz::scratchPath(QStringLiteral("information.txt"));
    fuzz::writeBytes(fil, fuzz::bytesOf(data, size));

    const std::optional<Placering> p = hentPlacering(fil);
    if (!p)
        return 0;
    resizeOuter(vindue, p->bredde, p->hoejde);
    placeWindow(vindue, p->left, p->top);
    const QSize s = vindue->size();
    FUZZ_CHECK(s.width() >= 734 && s.height() >= 451);
    FUZZ_CHECK(s.width() <= QWIDGETSIZE_MAX && s.height() <= QWIDGETSIZE_MAX);
    // At least its top-left corner lies on the screen, so it can be reached.
    const QRect skaerm = QGuiApplication::primaryScreen()->availableGeometry();
    FUZZ_CHECK(skaerm.contains(vindue->frameGeometry().topLeft()));

    gemPlacering(fil, *p);
    const std::optional<Placering> igen = hentPlacering(fil);
    FUZZ_CHECK(igen && igen->top == p->top && igen->left == p->left && igen->bredde == p->bredde &&
               igen->hoejde == p->hoejde);
    return 0;
}
