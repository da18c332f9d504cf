#pragma once

#include <QValidator>

namespace kvidrel {

// An edit field that takes digits only, at most maxDigits of them as the host
// types (-1: any number). Texts the program sets are not checked.
class DigitValidator : public QValidator
{
public:
    explicit DigitValidator(int maxDigits, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;

private:
    int m_maxDigits;
};

} // namespace kvidrel
