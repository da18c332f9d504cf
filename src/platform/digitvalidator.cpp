#include "digitvalidator.h"

#include <algorithm>

namespace kvidrel {

DigitValidator::DigitValidator(int maxDigits, QObject *parent)
    : QValidator(parent), m_maxDigits(maxDigits)
{}

QValidator::State DigitValidator::validate(QString &input, int &) const
{
    if (m_maxDigits >= 0 && input.size() > m_maxDigits)
        return Invalid;
    // Only ASCII digits: the value is stored as a plain decimal number.
    const bool digits =
        std::all_of(input.cbegin(), input.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits ? Acceptable : Invalid;
}

} // namespace kvidrel
