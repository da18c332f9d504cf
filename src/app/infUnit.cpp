#include "infUnit.h"

#include "dialogpictures.h"
#include "errors.h"

#include <QLabel>
#include <QPushButton>

namespace kvidrel {

LazyWindow<Tinfform> infform;

namespace {
constexpr int kOkMargin = 100; // the OK button sits between margins of 100 pixels
}

Tinfform::Tinfform(QWidget *parent) : MessageDialog(QStringLiteral("Information"), 13, parent)
{
    Label1 = label();
    BitBtn1 = new QPushButton(QStringLiteral("OK"), buttonRow());
    BitBtn1->setGeometry(kOkMargin, 3, buttonRow()->width() - 2 * kOkMargin, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(1); });
    setPictures(dialogpictures::infoPicture());
    resetValues(); // FormCreate
}

void visInfo(const QString &tekst)
{
    if (!infform) {
        showDefaultError(tekst);
        return;
    }
    infform->insertTekst(tekst);
    infform->exec();
}

} // namespace kvidrel
