#include "appwindows.h"

#include "deltagere.h"
#include "display.h"
#include "egenskaber.h"
#include "infUnit.h"
#include "information.h"
#include "main.h"
#include "makeSpm.h"
#include "om.h"
#include "placement.h"
#include "spmUnit.h"
#include "stylemanager.h"
#include "url.h"

namespace kvidrel {

namespace {

// Only the main window ends the program when it closes; the display window and
// the rest live on until then.
template <class T> T *create()
{
    T *window = new T;
    window->setAttribute(Qt::WA_QuitOnClose, false);
    return window;
}

template <class T> void destroy(T *&reference)
{
    T *window = reference;
    reference = nullptr;
    delete window;
}

} // namespace

void createWindows()
{
    mainform = new Tmainform;
    setMainWindow(mainform);
    displayform = create<Tdisplayform>();
    // The host may be looking at the board, in full screen, when answering.
    mainform->saetTaster(displayform);
    spmform = create<Tspmform>();
    egenskabsform = create<Tegenskabsform>();
    omform = create<Tomform>();
    deltagerform = create<Tdeltagerform>();
    infoform = create<Tinfoform>();
    urlform = create<Turlform>();
    infform = create<Tinfform>();
    spform = create<Tspform>();
    // From here on an unknown style is reported in the notice dialog.
    stylemanager::setNoticeSink([](const QString &message) { visInfo(message); });
}

void destroyWindows()
{
    stylemanager::setNoticeSink({});
    destroy(spform);
    destroy(infform);
    destroy(urlform);
    destroy(infoform);
    destroy(deltagerform);
    destroy(omform);
    destroy(egenskabsform);
    destroy(spmform);
    destroy(displayform);
    destroy(mainform);
}

} // namespace kvidrel
