#include "hintline.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QStatusBar>
#include <QWidget>

namespace kvidrel::hintline {

namespace {

constexpr const char *kHintProperty = "kvidrelHint";

struct State
{
    QString current;
    QPointer<QWidget> owner;
    Handler handler;
};

State &state()
{
    static State s;
    return s;
}

// Sets the current hint from the control under the mouse, as the platform's
// hint event does, and tells the active window's handler.
class HintFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
            auto *widget = qobject_cast<QWidget *>(watched);
            // A control of another window (the main window under the mouse
            // while the information window is active) has no say here.
            if (widget && !widget->isWindow() && widget->window() == state().owner) {
                const QString hint = event->type() == QEvent::Enter
                                         ? hintOf(widget)
                                         : hintOf(widget->parentWidget());
                setCurrentHint(hint);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void setHint(QWidget *widget, const QString &hint)
{
    widget->setProperty(kHintProperty, hint);
    widget->setToolTip(shortPart(hint));
}

QString hintOf(const QWidget *widget)
{
    // A control without a hint of its own shows its parent's, as the toolkit does.
    for (const QWidget *w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        const QVariant v = w->property(kHintProperty);
        if (v.isValid())
            return v.toString();
    }
    return {};
}

QString shortPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

QString longPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

QString currentHint()
{
    return state().current;
}

void setCurrentHint(const QString &hint)
{
    State &s = state();
    if (s.current == hint)
        return;
    s.current = hint;
    if (s.handler && s.owner)
        s.handler();
}

void setHandler(QWidget *owner, Handler handler)
{
    // The hint of the window active before is not this window's.
    if (state().owner != owner)
        state().current.clear();
    state().owner = owner;
    state().handler = std::move(handler);
}

QWidget *handlerOwner()
{
    return state().owner;
}

void showOn(QWidget *owner, QStatusBar *bar)
{
    QPointer<QStatusBar> linje = bar;
    setHandler(owner, [linje] {
        if (linje)
            linje->showMessage(longPart(currentHint()));
    });
}

void install()
{
    static HintFilter *filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new HintFilter(qApp);
    qApp->installEventFilter(filter);
}

} // namespace kvidrel::hintline
