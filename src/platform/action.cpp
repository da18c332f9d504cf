#include "action.h"

#include "errors.h"
#include "hintline.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCoreApplication>
#include <QList>

namespace kvidrel {

namespace {

QList<Action *> &liveActions()
{
    static QList<Action *> actions;
    return actions;
}

// Connects the idle hook once, as soon as there is an event dispatcher.
void connectIdleUpdate()
{
    static bool connected = false;
    if (connected)
        return;
    auto *dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher)
        return;
    connected = true;
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                     [] { Action::updateAll(); });
}

} // namespace

Action::Action(QObject *parent) : QObject(parent)
{
    liveActions().append(this);
    connectIdleUpdate();
}

Action::Action(QObject *parent, const QString &caption, const QString &hint) : Action(parent)
{
    Caption = caption;
    Hint = hint;
}

Action::~Action()
{
    liveActions().removeOne(this);
}

void Action::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    applyToClients();
    emit enabledChanged(enabled);
}

void Action::Execute()
{
    Update();
    if (!m_enabled || !OnExecute)
        return;
    guarded(OnExecute);
}

void Action::Update()
{
    if (OnUpdate)
        guarded(OnUpdate);
}

void Action::updateAll()
{
    // Copy: an update handler may create or delete actions.
    const QList<Action *> actions = liveActions();
    for (Action *action : actions) {
        if (liveActions().contains(action))
            action->Update();
    }
}

void Action::attach(QAbstractButton *button)
{
    if (!Caption.isEmpty())
        button->setText(Caption);
    if (!Hint.isEmpty())
        hintline::setHint(button, Hint);
    connect(button, &QAbstractButton::clicked, this, [this] { Execute(); });
    m_buttons.append(button);
    button->setEnabled(m_enabled);
}

void Action::attach(QAction *action)
{
    if (!Caption.isEmpty())
        action->setText(Caption);
    if (!Hint.isEmpty()) {
        action->setToolTip(hintline::shortPart(Hint));
        action->setStatusTip(hintline::longPart(Hint));
    }
    connect(action, &QAction::triggered, this, [this] { Execute(); });
    m_actions.append(action);
    action->setEnabled(m_enabled);
}

void Action::applyToClients()
{
    for (const auto &button : std::as_const(m_buttons)) {
        if (button)
            button->setEnabled(m_enabled);
    }
    for (const auto &action : std::as_const(m_actions)) {
        if (action)
            action->setEnabled(m_enabled);
    }
}

} // namespace kvidrel
