#include "websoegning.h"

#include "infUnit.h"
#include "shell.h"
#include "websearch.h"

namespace kvidrel {

void soegPaaNettet(const QString &tekst)
{
    const QUrl adresse = webSearchUrl(tekst);
    if (!shell::openUrl(adresse))
        visInfo(QStringLiteral("Der kunne ikke startes en webbrowser til søgningen.\r%1")
                    .arg(adresse.toString()));
}

} // namespace kvidrel
