#pragma once

#include <QString>
#include <functional>

class QListWidget;

namespace kvidrel::listrows {

// The selected row, -1 when none: the current row counts only while selected.
int valgt(const QListWidget *list);
// Selects row (or none for -1) from code; raises no click handler.
void vaelg(QListWidget *list, int row);

// A row added from code, with a check mark when checkable.
void tilfoej(QListWidget *list, const QString &text);
void tilfoejCheck(QListWidget *list, const QString &text, bool checked);
bool checked(const QListWidget *list, int row);
// The selected row can move up (it is not the first) or down (not the last).
bool kanFlytteOp(const QListWidget *list);
bool kanFlytteNed(const QListWidget *list);
// Sets a row's text and check mark from code, raising nothing.
void saetRaekke(QListWidget *list, int row, const QString &text, bool checked);

// The list's click event: a row clicked with the mouse (the selected row too)
// or the selection moved with the keyboard. Changes made from code raise nothing.
void onClick(QListWidget *list, std::function<void()> handler);
// A check mark toggled by the user; the handler gets the toggled row.
void onClickCheck(QListWidget *list, std::function<void(int row)> handler);
void onDblClick(QListWidget *list, std::function<void()> handler);

// Names a control for tests and style sheets; returns it for chaining.
template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace kvidrel::listrows
