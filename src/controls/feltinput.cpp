#include "feltinput.h"

#include <QCoreApplication>
#include <QWidget>

namespace kvidrel {

TMouseButton MusKnap(Qt::MouseButton Button)
{
    switch (Button) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

std::uint16_t TastKode(int QtKey)
{
    switch (QtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return tkEnter;
    case Qt::Key_Space:
        return tkMellemrum;
    case Qt::Key_End:
        return tkEnd;
    case Qt::Key_Home:
        return tkHome;
    case Qt::Key_Left:
        return tkVenstre;
    case Qt::Key_Up:
        return tkOp;
    case Qt::Key_Right:
        return tkHojre;
    case Qt::Key_Down:
        return tkNed;
    default:
        return tkIngen;
    }
}

bool ErFokusSkift(Qt::FocusReason Reason)
{
    return Reason != Qt::ActiveWindowFocusReason && Reason != Qt::PopupFocusReason;
}

void BehandlVentende()
{
    QCoreApplication::processEvents();
}

bool TabStop(const QWidget &W)
{
    return (W.focusPolicy() & Qt::TabFocus) != 0;
}

void SetTabStop(QWidget &W, bool Value)
{
    // A press takes the focus through the control's own code, not Qt's.
    W.setFocusPolicy(Value ? Qt::TabFocus : Qt::NoFocus);
}

void TOverCursor::Vis(QWidget &W, bool Over, TCursor Cursor)
{
    if (Over == FViser)
        return;
    if (Over) {
        FEgen.reset();
        if (W.testAttribute(Qt::WA_SetCursor))
            FEgen = W.cursor();
        W.setCursor(toQtCursor(Cursor));
    } else if (FEgen) {
        W.setCursor(*FEgen);
    } else {
        W.unsetCursor();
    }
    FViser = Over;
}

} // namespace kvidrel
