#pragma once
// The state of a tool-bar button as the user sees it: down, enabled, visible. A button
// made for an action shows the action's state (the action is what the menus and the
// button share), so for such a button the state is read and set on the action.

class QAbstractButton;

bool IsButtonDown(const QAbstractButton* button);
bool IsButtonEnabled(const QAbstractButton* button);
bool IsButtonVisible(const QAbstractButton* button);
void SetButtonEnabled(QAbstractButton* button, bool enabled);
void SetButtonVisible(QAbstractButton* button, bool visible);

// Puts the button down or up. A grouped button of a group that keeps one button down
// can be put up too: the group lets all its buttons up while the state is set, then
// gets its setting back. Nothing happens when the state is already right.
void SetButtonDown(QAbstractButton* button, bool down);
