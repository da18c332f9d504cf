#include "listrows.h"

#include <QEvent>
#include <QListWidget>
#include <QSignalBlocker>

namespace kvidrel::listrows {

namespace {

// Remembers which row was current when a mouse button went down, so that a
// click on the row already selected is told from one that moved the selection.
class PressWatcher : public QObject
{
public:
    PressWatcher(QListWidget *list) : QObject(list), m_list(list)
    {
        list->viewport()->installEventFilter(this);
    }
    int rowBeforePress = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick)
            rowBeforePress = m_list->currentRow();
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget *m_list;
};

} // namespace

int valgt(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item && item->isSelected() ? list->currentRow() : -1;
}

void vaelg(QListWidget *list, int row)
{
    const QSignalBlocker blocker(list);
    if (row < 0 || row >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
        return;
    }
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void tilfoej(QListWidget *list, const QString &text)
{
    const QSignalBlocker blocker(list);
    list->addItem(text);
}

void tilfoejCheck(QListWidget *list, const QString &text, bool checked)
{
    const QSignalBlocker blocker(list);
    auto *item = new QListWidgetItem(text, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

bool checked(const QListWidget *list, int row)
{
    const QListWidgetItem *item = list->item(row);
    return item && item->checkState() == Qt::Checked;
}

void saetRaekke(QListWidget *list, int row, const QString &text, bool checked)
{
    QListWidgetItem *item = list->item(row);
    if (!item)
        return;
    const QSignalBlocker blocker(list);
    item->setText(text);
    if (item->flags() & Qt::ItemIsUserCheckable)
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void onClick(QListWidget *list, std::function<void()> handler)
{
    auto *watcher = new PressWatcher(list);
    QObject::connect(list, &QListWidget::currentRowChanged, list, [handler](int) { handler(); });
    QObject::connect(list, &QListWidget::itemClicked, list,
                     [list, watcher, handler](QListWidgetItem *item) {
                         // A press that moved the selection has run the handler already.
                         if (list->row(item) == watcher->rowBeforePress)
                             handler();
                     });
}

void onClickCheck(QListWidget *list, std::function<void(int row)> handler)
{
    QObject::connect(list, &QListWidget::itemChanged, list,
                     [list, handler](QListWidgetItem *item) { handler(list->row(item)); });
}

void onDblClick(QListWidget *list, std::function<void()> handler)
{
    QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                     [handler](QListWidgetItem *) { handler(); });
}

} // namespace kvidrel::listrows
