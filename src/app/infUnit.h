#pragma once

#include "lazywindow.h"
#include "messagedialog.h"

namespace kvidrel {

// The notice dialog: one OK button.
class Tinfform : public MessageDialog
{
    Q_OBJECT
public:
    explicit Tinfform(QWidget *parent = nullptr);

private:
    QLabel *Label1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
};

extern LazyWindow<Tinfform> infform;

// Shows a notice modally.
void visInfo(const QString &tekst);

} // namespace kvidrel
