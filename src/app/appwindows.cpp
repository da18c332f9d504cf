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
    displayform = new Tdisplayform(&mainform->pointTekst());
    markSecondary(displayform);
    // The board shows the host's range and draws from it, and tells the game
    // when the bar has arrived.
    displayform->visPointOmraade(QString::number(mainform->minPoint),
                                 QString::number(mainform->maxPoint));
    displayform->saetPointKilde([] { return mainform->tilfaeldigPoint(); });
    QObject::connect(displayform, &Tdisplayform::pointFremme, mainform, &Tmainform::bjaelkenFremme);
    // The host may be looking at the board, in full screen, when answering.
    mainform->saetTaster(displayform);
    // The rest are made when first used, in whatever order the host opens them.
    spmform.enable();
    egenskabsform.enable();
    omform.enable();
    deltagerform.enable();
    infoform.enable();
    urlform.enable();
    infform.enable();
    spform.enable();
    // From here on an unknown style is reported in the notice dialog.
    stylemanager::setNoticeSink([](const QString &message) { visInfo(message); });
}

void destroyWindows()
{
    stylemanager::setNoticeSink({});
    spform.reset();
    infform.reset();
    urlform.reset();
    infoform.reset();
    deltagerform.reset();
    omform.reset();
    egenskabsform.reset();
    spmform.reset();
    destroy(displayform);
    destroy(mainform);
}

} // namespace kvidrel
