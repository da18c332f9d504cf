#include "radiogroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace kvidrel {

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, int columns,
                       QWidget *parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items.at(i), this);
        m_group->addButton(button, i);
        grid->addWidget(button, i / columns, i % columns);
    }
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            emit itemIndexChanged(id);
    });
    connect(m_group, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

int RadioGroup::ItemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *b = m_group->button(index)) {
        b->setChecked(true);
        return;
    }
    // No item: none is shown chosen, rather than the last one that was.
    QAbstractButton *valgt = m_group->checkedButton();
    if (!valgt)
        return;
    m_group->setExclusive(false);
    valgt->setChecked(false);
    m_group->setExclusive(true);
    emit itemIndexChanged(-1);
}

QRadioButton *RadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton *>(m_group->button(index));
}

} // namespace kvidrel
