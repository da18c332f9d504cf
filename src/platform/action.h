#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QAbstractButton;
class QAction;

namespace kvidrel {

// An action with an Execute and an Update handler. Update runs whenever the
// application goes idle, so enabled states follow the game and editing state
// without each handler having to remember to refresh them.
class Action : public QObject
{
    Q_OBJECT
public:
    explicit Action(QObject *parent = nullptr);
    Action(QObject *parent, const QString &caption, const QString &hint);
    ~Action() override;

    QString Caption;
    QString Hint; // "short|long": short as tooltip, long on the hint line

    std::function<void()> OnExecute;
    std::function<void()> OnUpdate; // sets Enabled

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Runs OnExecute when enabled; an exception is shown as the default error.
    void Execute();
    void Update();

    // The button or menu entry shows the caption and hint, follows Enabled and
    // executes the action when clicked.
    void attach(QAbstractButton *button);
    void attach(QAction *action);

    // Recomputes every live action now (also done at each idle moment).
    static void updateAll();

signals:
    void enabledChanged(bool enabled);

private:
    void applyToClients();

    bool m_enabled = true;
    QList<QPointer<QAbstractButton>> m_buttons;
    QList<QPointer<QAction>> m_actions;
};

} // namespace kvidrel
