#include "display.h"

#include "appfont.h"
#include "main.h"

#include <QLineEdit>

namespace kvidrel {

Tdisplayform *displayform = nullptr;

namespace {
constexpr int kClientWidth = 973;
constexpr int kClientHeight = 654;
constexpr int kLeftPanelWidth = 313;
constexpr int kPointPanelWidth = 104;
constexpr int kEditWidth = 40;
constexpr int kEditHeight = 26;
} // namespace

Tdisplayform::Tdisplayform(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    // The players' board has no title-bar buttons: it ends with the program.
    setWindowTitle(QStringLiteral("Kvidrel"));
    setFont(tahoma(11));
    setFixedSize(kClientWidth, kClientHeight);

    // Bottom of the point panel, left and right.
    const int top = kClientHeight - kEditHeight - 4;
    LowEdit = new QLineEdit(QString::number(Options::standardMinPoint), this);
    LowEdit->setGeometry(kLeftPanelWidth + 4, top, kEditWidth, kEditHeight);
    HighEdit = new QLineEdit(QString::number(Options::standardMaxPoint), this);
    HighEdit->setGeometry(kLeftPanelWidth + kPointPanelWidth - kEditWidth - 4, top, kEditWidth,
                          kEditHeight);
    for (QLineEdit *edit : {LowEdit, HighEdit}) {
        edit->setFont(tahoma(16));
        edit->setReadOnly(true);
        edit->setEnabled(false);
    }
    FormCreate();
}

void Tdisplayform::FormCreate()
{
    // The main window is created first and has loaded the options by now.
    if (!mainform)
        return;
    HighEdit->setText(QString::number(mainform->maxPoint));
    LowEdit->setText(QString::number(mainform->minPoint));
}

} // namespace kvidrel
