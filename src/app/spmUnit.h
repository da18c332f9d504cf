#pragma once

#include "lazywindow.h"
#include "messagedialog.h"

namespace kvidrel {

// The answer Enter gives: the one that destroys nothing.
enum class Standardsvar
{
    Nej, // the question asks to delete something
    Ja
};

// The yes/no dialog: "Ja" gives 1; "Nej", Escape and the close box give 2.
class Tspform : public MessageDialog
{
    Q_OBJECT
public:
    explicit Tspform(QWidget *parent = nullptr);
    void setStandardsvar(Standardsvar standard);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *textLabel = nullptr;
    QPushButton *annullerButton = nullptr;
    QPushButton *BitBtn1 = nullptr;
    Standardsvar m_standard = Standardsvar::Nej;
};

extern LazyWindow<Tspform> spform;

// Asks modally; true exactly when the answer is "Ja".
bool spoerg(const QString &tekst, Standardsvar standard = Standardsvar::Nej);

} // namespace kvidrel
