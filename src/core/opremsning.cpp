#include "opremsning.h"

namespace kvidrel {

QString opremsning(const QStringList &linjer, qsizetype hoejst)
{
    QStringList vist = linjer.mid(0, hoejst);
    if (linjer.size() > hoejst)
        vist << QStringLiteral("og %1 flere").arg(linjer.size() - hoejst);
    return vist.join(u'\r');
}

} // namespace kvidrel
