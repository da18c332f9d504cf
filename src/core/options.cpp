#include "options.h"

#include "logging.h"
#include "textfile.h"

#include <QFileInfo>
#include <limits>

namespace kvidrel {

std::optional<std::int32_t> parseDecimal(const QString &text)
{
    // Plain decimal with an optional sign, as the number conversion accepts;
    // surrounding blanks and hexadecimal are not numbers here.
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok || text.isEmpty() || text.front().isSpace() || text.back().isSpace() ||
        value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<Options> hentOptions(const QString &optFil)
{
    if (!QFileInfo::exists(optFil))
        return std::nullopt;
    QStringList lines;
    try {
        lines = readLineList(optFil);
    } catch (const FileError &error) {
        qCWarning(lcKvidrel) << "options not read, defaults used:" << error.message();
        return std::nullopt;
    }
    const auto low = parseDecimal(lines.value(1));
    const auto high = parseDecimal(lines.value(2));
    if (lines.size() < 3 || !low || !high) {
        qCWarning(lcKvidrel) << "options file malformed, defaults used:" << optFil;
        return std::nullopt;
    }
    return Options{lines[0], *low, *high};
}

void gemOptions(const QString &optFil, const Options &opt)
{
    writeLines(optFil,
               {opt.designName, QString::number(opt.minPoint), QString::number(opt.maxPoint)});
}

PointRange applyRangeRule(const QString &lowText, const QString &highText)
{
    const auto low = parseDecimal(lowText);
    if (!low)
        throw RangeError(lowText);
    const auto high = parseDecimal(highText);
    if (!high)
        throw RangeError(highText);

    PointRange r;
    r.minPoint = *low;
    r.maxPoint = *high;
    const QString hundred = QStringLiteral("100");
    if (r.maxPoint > 100) {
        r.maxPoint = 100;
        r.highText = hundred;
    }
    if (r.minPoint >= 100) {
        r.minPoint = r.maxPoint = 100;
        r.lowText = r.highText = hundred;
    } else if (r.maxPoint == 0) {
        r.minPoint = 0;
        r.lowText = r.highText = QStringLiteral("0");
    } else if (r.maxPoint < r.minPoint) {
        r.maxPoint = r.minPoint;
        r.highText = QString::number(r.minPoint);
    }
    return r;
}

} // namespace kvidrel
