#include "listrows.h"

#include <QEvent>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimer>

namespace kvidrel::listrows {

namespace {

// Tells whether a mouse button is down on the list. A press moves the current
// row before it selects it, so a row picked with the mouse is reported at the
// click that ends the press, when the row is selected.
class PressWatcher : public QObject
{
public:
    explicit PressWatcher(QListWidget *list) : QObject(list)
    {
        list->viewport()->installEventFilter(this);
        list->installEventFilter(this);
    }
    bool mouseDown = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            mouseDown = true;
            break;
        case QEvent::MouseButtonRelease:
            // Cleared once the list has handled the release and its click.
            QTimer::singleShot(0, this, [this] { mouseDown = false; });
            break;
        case QEvent::KeyPress:
            mouseDown = false;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
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
    QObject::connect(list, &QListWidget::currentRowChanged, list, [watcher, handler](int) {
        if (!watcher->mouseDown) // moved with the keyboard
            handler();
    });
    QObject::connect(list, &QListWidget::itemClicked, list,
                     [handler](QListWidgetItem *) { handler(); });
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

bool kanFlytteOp(const QListWidget *list)
{
    return valgt(list) > 0;
}

bool kanFlytteNed(const QListWidget *list)
{
    const int i = valgt(list);
    return i >= 0 && i < list->count() - 1;
}

} // namespace kvidrel::listrows
