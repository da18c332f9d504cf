#pragma once

#include <QString>
#include <functional>

class QStatusBar;
class QWidget;

namespace kvidrel {

// The application's hint: a control's hint "short|long" shows the short part
// as its tooltip and the long part on the active window's hint line.
namespace hintline {

void setHint(QWidget *widget, const QString &hint);
QString hintOf(const QWidget *widget);

QString shortPart(const QString &hint); // before the first "|"
QString longPart(const QString &hint);  // after the first "|", or all of it

// The application's current hint (of the control under the mouse).
QString currentHint();
void setCurrentHint(const QString &hint);

// The active window's hint handler; each window installs its own on activation.
using Handler = std::function<void()>;
void setHandler(QWidget *owner, Handler handler);
QWidget *handlerOwner();
// The common handler: the long part of the hint shown on the window's status bar.
void showOn(QWidget *owner, QStatusBar *bar);

// Watches the mouse entering controls; installed once by the program.
void install();

} // namespace hintline
} // namespace kvidrel
