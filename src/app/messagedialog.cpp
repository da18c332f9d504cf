#include "messagedialog.h"

#include "appfont.h"
#include "main.h"
#include "placement.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kvidrel {

namespace {

constexpr int kWidth = 339;
constexpr int kLabelMargin = 11;                      // the frame's 8 pixels and the label's own 3
constexpr int kTextWidth = kWidth - 2 * kLabelMargin; // 317: where the text wraps
constexpr int kRowMargin = 8;
constexpr int kRowHeight = 31;
constexpr int kExtraHeight = 80; // button row, margins and spacing below the label
constexpr int kPointsAtRest = 8;
constexpr int kPointsShown = 10;
constexpr int kCancelResult = 2; // what Escape and the close box give
constexpr int kAccentRoom = 3;

} // namespace

MessageDialog::MessageDialog(const QString &caption, int fontPixels, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(caption);
    setFont(tahoma(fontPixels));
    setFixedWidth(kWidth);

    m_label = new QLabel(this);
    m_label->setTextFormat(Qt::PlainText); // messages may hold '<' and '&'
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Rings and accents of capitals reach above the font's ascent: room for
    // them above the first line and below the last.
    m_label->setContentsMargins(0, kAccentRoom, 0, kAccentRoom);

    m_row = new QWidget(this);
    m_row->setFixedSize(kWidth - 2 * kRowMargin, kRowHeight);

    auto *labelBox = new QVBoxLayout;
    labelBox->setContentsMargins(kLabelMargin, kLabelMargin, kLabelMargin, 0);
    labelBox->addWidget(m_label);

    auto *rowBox = new QVBoxLayout;
    rowBox->setContentsMargins(kRowMargin, 0, kRowMargin, kRowMargin);
    rowBox->addWidget(m_row);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addLayout(labelBox);
    box->addStretch(1);
    box->addLayout(rowBox);
}

void MessageDialog::insertTekst(const QString &tekst)
{
    QString shown = tekst;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    m_label->setText(shown);
}

void MessageDialog::resetValues()
{
    m_label->clear();
    QFont font = m_label->font();
    font.setPointSize(kPointsAtRest);
    m_label->setFont(font);
}

void MessageDialog::setPictures(const QPixmap &picture)
{
    const int top = (kRowHeight - picture.height()) / 2;
    auto *image1 = new QLabel(m_row);
    image1->setPixmap(picture);
    image1->setGeometry(0, top, picture.width(), picture.height());
    auto *image2 = new QLabel(m_row);
    image2->setPixmap(picture);
    image2->setGeometry(m_row->width() - picture.width(), top, picture.width(), picture.height());
}

void MessageDialog::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void MessageDialog::FormShow()
{
    QFont font = m_label->font();
    font.setPointSize(kPointsShown);
    m_label->setFont(font);
    // The height of the last message is let go first, or a short message after
    // a long one would keep the long one's height.
    m_label->setMinimumHeight(0);
    m_label->setMaximumHeight(QWIDGETSIZE_MAX);
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
    const int labelHeight = m_label->heightForWidth(kTextWidth);
    m_label->setFixedHeight(labelHeight);
    setFixedHeight(labelHeight + kExtraHeight);
    resize(width(), labelHeight + kExtraHeight);
    centreOn(this, windowInUse(this));
}

void MessageDialog::done(int result)
{
    // A rejection (Escape, the close box) counts as the cancel result, never as 1.
    QDialog::done(result == QDialog::Rejected ? kCancelResult : result);
    resetValues();
}

} // namespace kvidrel
