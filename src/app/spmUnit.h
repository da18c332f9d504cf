#pragma once

#include "messagedialog.h"

namespace kvidrel {

// The yes/no dialog: "Ja" gives 1; "Nej", Escape and the close box give 2.
class Tspform : public MessageDialog
{
    Q_OBJECT
public:
    explicit Tspform(QWidget *parent = nullptr);
    QLabel *textLabel = nullptr;
    QPushButton *annullerButton = nullptr;
    QPushButton *BitBtn1 = nullptr;
};

extern Tspform *spform;

// Asks modally; true exactly when the answer is "Ja".
bool spoerg(const QString &tekst);

} // namespace kvidrel
