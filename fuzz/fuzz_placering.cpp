// The information window's position file holding any bytes, read and applied
// to a shown window as the window does: no overflow, and the window ends up
// within its size limits and inside the screen, and is saved no larger.

#include "fuzzgui.h"
#include "fuzzsupport.h"
#include "placement.h"
#include "placeringsfil.h"

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
    restoreFrame(vindue, p->venstre, p->oppe, p->bredde, p->hoejde);
    const QSize s = vindue->size();
    FUZZ_CHECK(s.width() >= 734 && s.height() >= 451);
    // The screen holds the least size, so the whole window fits on it.
    const QRect skaerm = QGuiApplication::primaryScreen()->availableGeometry();
    FUZZ_CHECK(skaerm.contains(vindue->frameGeometry()));
    FUZZ_CHECK(skaerm.contains(frameToSave(vindue)));

    gemPlacering(fil, *p);
    const std::optional<Placering> igen = hentPlacering(fil);
    FUZZ_CHECK(igen && igen->oppe == p->oppe && igen->venstre == p->venstre &&
               igen->bredde == p->bredde && igen->hoejde == p->hoejde);
    return 0;
}
