#include "tools/base/KeysSuspension.h"

#include "tools/base/AppMessageHook.h"
#include "tools/base/TechBase.h"
#include "tools/base/ToolSwitch.h"

TKeysSuspension::TKeysSuspension() {
    m_tools[0] = CurrentTool.get();
    m_tools[1] = AppMessageTool();
    if (m_tools[1] == m_tools[0]) m_tools[1] = nullptr;
    m_followsCurrent = true;
    Suspend();
}

TKeysSuspension::TKeysSuspension(TTechBase& tool) {
    m_tools[0] = &tool;
    Suspend();
}

void TKeysSuspension::Suspend() {
    for (int i = 0; i < 2; ++i)
        if (m_tools[i]) {
            m_old[i] = m_tools[i]->KeysSuspended;
            m_tools[i]->KeysSuspended = true;
        }
}

TKeysSuspension::~TKeysSuspension() {
    for (int i = 0; i < 2; ++i)
        if (m_tools[i] && (!m_followsCurrent || StillTakingKeys(m_tools[i])))
            m_tools[i]->KeysSuspended = m_old[i];
}

bool TKeysSuspension::StillTakingKeys(const TTechBase* tool) {
    return tool == CurrentTool.get() || tool == AppMessageTool();
}
