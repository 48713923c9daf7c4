#include "tools/base/BttnStateStorage.h"

#include "tools/base/ButtonState.h"

#include <QAbstractButton>

std::unique_ptr<TBttnStateStorage> BttnStateStorage;

int TBttnStateStorage::IndexOf(const QAbstractButton* button, std::type_index toolClass) const {
    for (size_t i = 0; i < m_records.size(); ++i)
        if (m_records[i].Button == button && m_records[i].ToolClass == toolClass) return int(i);
    return -1;
}

void TBttnStateStorage::Store(QAbstractButton* button, std::type_index toolClass) {
    if (!button) return;
    int index = IndexOf(button, toolClass);
    if (index < 0) {
        m_records.push_back(TRecord{button, false, false, toolClass, false});
        index = int(m_records.size()) - 1;
    }
    TRecord& record = m_records[size_t(index)];
    record.Down = IsButtonDown(button);
    record.Enabled = IsButtonEnabled(button);
    record.Visible = IsButtonVisible(button);
    record.ToolClass = toolClass;
}

void TBttnStateStorage::Restore(QAbstractButton* button, std::type_index toolClass) {
    if (!button) return;
    const int index = IndexOf(button, toolClass);
    if (index < 0) return;
    const TRecord& record = m_records[size_t(index)];
    SetButtonEnabled(button, record.Enabled);
    SetButtonVisible(button, record.Visible);
    SetButtonDown(button, record.Down);
}
