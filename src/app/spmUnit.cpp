#include "spmUnit.h"

#include "dialogpictures.h"

#include <QLabel>
#include <QPushButton>

namespace kvidrel {

LazyWindow<Tspform> spform;

namespace {
constexpr int kButtonWidth = 75;
constexpr int kFirstButtonLeft = 16 + 56; // after the left picture and a gap of 56
constexpr int kButtonGap = 8;
} // namespace

Tspform::Tspform(QWidget *parent) : MessageDialog(QStringLiteral("Spørgsmål"), 11, parent)
{
    textLabel = label();

    annullerButton = new QPushButton(QStringLiteral("Nej"), buttonRow());
    annullerButton->setGeometry(kFirstButtonLeft, 3, kButtonWidth, 25);
    connect(annullerButton, &QPushButton::clicked, this, [this] { done(2); });

    BitBtn1 = new QPushButton(QStringLiteral("Ja"), buttonRow());
    BitBtn1->setIcon(dialogpictures::checkMarkPicture());
    BitBtn1->setGeometry(kFirstButtonLeft + kButtonWidth + kButtonGap, 3, kButtonWidth, 25);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(1); });

    setPictures(dialogpictures::questionPicture());
    resetValues(); // FormCreate
    setStandardsvar(Standardsvar::Nej);
}

void Tspform::setStandardsvar(Standardsvar standard)
{
    m_standard = standard;
    BitBtn1->setDefault(standard == Standardsvar::Ja);
    annullerButton->setDefault(standard == Standardsvar::Nej);
}

void Tspform::showEvent(QShowEvent *event)
{
    MessageDialog::showEvent(event);
    // The focused button answers Enter; it must be the harmless one.
    (m_standard == Standardsvar::Ja ? BitBtn1 : annullerButton)->setFocus();
}

bool spoerg(const QString &tekst, Standardsvar standard)
{
    if (!spform)
        return false;
    spform->insertTekst(tekst);
    spform->setStandardsvar(standard);
    return spform->exec() == 1;
}

} // namespace kvidrel
