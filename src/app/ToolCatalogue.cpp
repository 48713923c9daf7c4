#include "app/ToolCatalogue.h"

#include "tools/draw/SegmentLine.h"
#include "tools/draw/SmoothLine.h"

TToolEntry ToolEntry(TToolId id) {
    switch (id) {
    // Each tool joins here with its class and dialog as it becomes part of the program,
    // for example: case TToolId::Circle: return {ToolClass<TCircle>, nullptr};
    case TToolId::SegmentLine:
        return {ToolClass<TSegmentLine>, nullptr};
    case TToolId::SmoothLine:
        return {ToolClass<TSmoothLine>, nullptr};
    default:
        return {};
    }
}

bool ToolAvailable(TToolId id) {
    return id == TToolId::None || ToolEntry(id).Tool != nullptr;
}

bool CurrentToolIs(TToolId id) {
    const TToolClass toolClass = ToolEntry(id).Tool;
    return toolClass && CurrentTool && CurrentToolClass == toolClass;
}
