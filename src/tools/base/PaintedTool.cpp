#include "tools/base/PaintedTool.h"

std::array<TPaintedTool*, MaxActiveTools> ActiveTools{};

int RegisterTool(TPaintedTool* tool) {
    if (!tool) return RegisterNoTool;
    for (TPaintedTool*& slot : ActiveTools) {
        if (!slot) {
            slot = tool;
            return RegisterDone;
        }
    }
    return RegisterFull;
}

int UnregisterTool(TPaintedTool* tool) {
    if (!tool) return RegisterNoTool;
    for (TPaintedTool*& slot : ActiveTools)
        if (slot == tool) slot = nullptr;
    return RegisterDone;
}
