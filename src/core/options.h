#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace kvidrel {

// The options and their defaults, which hold wherever the file gives none.
struct Options
{
    static inline const QString standardDesign = QStringLiteral("Sky");
    static constexpr std::int32_t standardMinPoint = 10;
    static constexpr std::int32_t standardMaxPoint = 100;

    QString designName = standardDesign;
    std::int32_t minPoint = standardMinPoint;
    std::int32_t maxPoint = standardMaxPoint;
};

// Missing, short or malformed file: nullopt (the caller falls back to defaults).
std::optional<Options> hentOptions(const QString &optFil);
// Exactly three lines; throws FileError.
void gemOptions(const QString &optFil, const Options &opt);

// Strict decimal integer as the text files hold them ("-5", "12"); nullopt otherwise.
std::optional<std::int32_t> parseDecimal(const QString &text);

// The range rule for a low/high pair of fields. Throws RangeError when a field is
// not a number. The texts are set only for the fields the rule rewrites.
struct PointRange
{
    std::int32_t minPoint = 0;
    std::int32_t maxPoint = 0;
    std::optional<QString> lowText;
    std::optional<QString> highText;
};

// A point field that does not hold a decimal integer.
class RangeError : public std::runtime_error
{
public:
    explicit RangeError(const QString &text)
        : std::runtime_error(
              QStringLiteral("\"%1\" er ikke et gyldigt heltal.").arg(text).toStdString())
    {}
};

PointRange applyRangeRule(const QString &lowText, const QString &highText);

} // namespace kvidrel
