#pragma once
// The shift state a tool is told with every button press and pointer move: the
// modifier keys held and the mouse buttons down, and whether the press is the second
// of a double click.

#include <QFlags>
#include <Qt>

enum TShiftFlag : unsigned {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = {},
                         bool doubleClick = false);
