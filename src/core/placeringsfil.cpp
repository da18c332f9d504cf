#include "placeringsfil.h"

#include "textfile.h"

#include <QFileInfo>

namespace kvidrel {

std::optional<Placering> hentPlacering(const QString &fil)
{
    if (!QFileInfo(fil).isFile())
        return std::nullopt;
    QStringList linjer;
    try {
        linjer = readLineList(fil);
    } catch (const FileError &) {
        return std::nullopt;
    }
    std::int32_t tal[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        tal[i] = linjer.value(i).trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return Placering{tal[0], tal[1], tal[2], tal[3]};
}

void gemPlacering(const QString &fil, const Placering &placering)
{
    writeLines(fil, {QString::number(placering.oppe), QString::number(placering.venstre),
                     QString::number(placering.bredde), QString::number(placering.hoejde)});
}

} // namespace kvidrel
