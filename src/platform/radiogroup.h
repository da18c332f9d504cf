#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace kvidrel {

// A framed group of radio buttons in columns, read and set by item index.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(const QString &caption, const QStringList &items, int columns,
               QWidget *parent = nullptr);

    int ItemIndex() const;
    // Selecting from code raises itemIndexChanged too, as a click does. An
    // index that is no item leaves none selected (ItemIndex() -1).
    void setItemIndex(int index);
    QRadioButton *button(int index) const;

signals:
    void itemIndexChanged(int index);
    // A click on an item, also on the one already selected.
    void clicked(int index);

private:
    QButtonGroup *m_group = nullptr;
};

} // namespace kvidrel
