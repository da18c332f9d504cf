#pragma once

// What the interactive field controls (the list and the schema) share at the
// widget level: their event types, the translation of Qt's mouse buttons and
// keys, the focus changes that count, and the cursor shown over the
// highlighted field.

#include "feltregler.h"
#include "grundfelt.h"

#include <QCursor>

#include <cstdint>
#include <functional>
#include <optional>

class QObject;
class QWidget;

namespace kvidrel {

enum TMouseButton : std::uint8_t
{
    mbLeft,
    mbRight,
    mbMiddle
};
using TShiftState = Qt::KeyboardModifiers;

// A click on a field (also Enter on the highlighted one): the item number.
using TFelterMus = std::function<void(QObject *Sender, TMouseButton Button, std::int32_t FeltNr)>;
// The highlight moved to an item.
using TOverMus = std::function<void(QObject *Sender, std::int32_t FeltNr)>;
using TButtonNr = std::function<void(TMouseButton Button, std::int32_t Nr)>;

TMouseButton MusKnap(Qt::MouseButton Button);
// The key code of a Qt key, tkIngen for keys the fields do not use.
std::uint16_t TastKode(int QtKey);

// Whether a focus change is the control being entered or left. The window
// losing and regaining activation keeps the focused control, so it is neither.
bool ErFokusSkift(Qt::FocusReason Reason);

// Lets the platform deliver what is pending (paints, focus changes, other
// handlers) in the middle of a mouse operation.
void BehandlVentende();

// A control with TabStop is reached by the Tab key and takes the focus when
// pressed; without it, it takes the focus only when asked to.
bool TabStop(const QWidget &W);
void SetTabStop(QWidget &W, bool Value);

// Shows a cursor of the cursor table while the pointer is over the
// highlighted field, and gives the control its own cursor back elsewhere.
class TOverCursor
{
public:
    void Vis(QWidget &W, bool Over, TCursor Cursor);
    bool Viser() const { return FViser; }

private:
    bool FViser = false;
    std::optional<QCursor> FEgen; // the control's own cursor, if it had one
};

} // namespace kvidrel
