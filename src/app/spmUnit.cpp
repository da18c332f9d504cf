#include "spmUnit.h"

#include "dialogpictures.h"

#include <QLabel>
#include <QPushButton>

namespace kvidrel {

Tspform *spform = nullptr;

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
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(1); });

    setPictures(dialogpictures::questionPicture());
    resetValues(); // FormCreate
}

bool spoerg(const QString &tekst)
{
    if (!spform)
        return false;
    spform->insertTekst(tekst);
    return spform->exec() == 1;
}

} // namespace kvidrel
