#include "tools/base/ShiftState.h"

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick) {
    TShiftState state;
    if (modifiers & Qt::ShiftModifier) state |= ssShift;
    if (modifiers & Qt::AltModifier) state |= ssAlt;
    if (modifiers & Qt::ControlModifier) state |= ssCtrl;
    if (buttons & Qt::LeftButton) state |= ssLeft;
    if (buttons & Qt::RightButton) state |= ssRight;
    if (buttons & Qt::MiddleButton) state |= ssMiddle;
    if (doubleClick) state |= ssDouble;
    return state;
}
