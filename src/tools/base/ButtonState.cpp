#include "tools/base/ButtonState.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QToolButton>

namespace {

QAction* actionOf(const QAbstractButton* button) {
    const auto* toolButton = qobject_cast<const QToolButton*>(button);
    return toolButton ? toolButton->defaultAction() : nullptr;
}

void setActionDown(QAction& action, bool down) {
    QActionGroup* group = action.actionGroup();
    if (!group) {
        action.setChecked(down);
        return;
    }
    const QActionGroup::ExclusionPolicy policy = group->exclusionPolicy();
    if (policy == QActionGroup::ExclusionPolicy::Exclusive)
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    action.setChecked(down);
    group->setExclusionPolicy(policy);
}

void setOwnButtonDown(QAbstractButton& button, bool down) {
    if (!button.isCheckable()) {
        button.setDown(down);
        return;
    }
    // Qt has no group that keeps one button down but lets all up: a group that does not
    // keep one down does not keep the others up either, so the rule is relaxed only to
    // put the button up.
    QButtonGroup* group = down ? nullptr : button.group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = !down && button.autoExclusive();
    if (groupExclusive) group->setExclusive(false);
    if (autoExclusive) button.setAutoExclusive(false);
    button.setChecked(down);
    if (autoExclusive) button.setAutoExclusive(true);
    if (groupExclusive) group->setExclusive(true);
}

} // namespace

bool IsButtonDown(const QAbstractButton* button) {
    if (!button) return false;
    if (const QAction* action = actionOf(button); action && action->isCheckable()) return action->isChecked();
    return button->isCheckable() ? button->isChecked() : button->isDown();
}

bool IsButtonEnabled(const QAbstractButton* button) {
    if (!button) return false;
    if (const QAction* action = actionOf(button)) return action->isEnabled();
    return button->isEnabled();
}

bool IsButtonVisible(const QAbstractButton* button) {
    if (!button) return false;
    if (const QAction* action = actionOf(button)) return action->isVisible();
    return !button->isHidden();
}

void SetButtonEnabled(QAbstractButton* button, bool enabled) {
    if (!button) return;
    if (QAction* action = actionOf(button))
        action->setEnabled(enabled);
    else
        button->setEnabled(enabled);
}

void SetButtonVisible(QAbstractButton* button, bool visible) {
    if (!button) return;
    if (QAction* action = actionOf(button))
        action->setVisible(visible);
    else
        button->setVisible(visible);
}

void SetButtonDown(QAbstractButton* button, bool down) {
    if (!button || IsButtonDown(button) == down) return;
    if (QAction* action = actionOf(button); action && action->isCheckable())
        setActionDown(*action, down);
    else
        setOwnButtonDown(*button, down);
}
