#pragma once
// The menus beside the edits of the tolerance question: the usual tolerance values, a
// decade to a column, and the datum letters in four columns. Choosing an entry puts its
// caption into the edit. A plain menu has one column; these hold a table of buttons,
// so that all the choices show at once, in their columns.

#include <QString>

class QLineEdit;
class QMenu;
class QWidget;

// The values 1, 1.2, 1.6, 2, 2.5, 3, 4, 5 and 8 times 0.001 to 10, with a decimal comma
// ("0,0012", "1,0", "25,0"); named PopupMenu1.
QMenu* NewValueMenu(QWidget* parent, QLineEdit* edit);
// The Cyrillic capitals used as datum letters, named name.
QMenu* NewDatumMenu(QWidget* parent, const QString& name, QLineEdit* edit);
// Opens menu just below the left end of under.
void PopUnder(QMenu& menu, const QWidget& under);
