#include "app/ToolCatalogue.h"

#include "tools/draw/FourVertex.h"
#include "tools/draw/SegmentLine.h"
#include "tools/draw/SmoothLine.h"
#include "tools/transform/Mirror.h"
#include "tools/transform/MirrorSimetricAxis.h"

TToolEntry ToolEntry(TToolId id) {
    switch (id) {
    // Each tool joins here with its class and dialog as it becomes part of the program,
    // for example: case TToolId::Circle: return {ToolClass<TCircle>, nullptr};
    case TToolId::SegmentLine:
        return {ToolClass<TSegmentLine>, nullptr};
    case TToolId::SmoothLine:
        return {ToolClass<TSmoothLine>, nullptr};
    case TToolId::FourVertex:
        return {ToolClass<TFourVertex>, nullptr};
    case TToolId::MirrorUpDown:
        return {ToolClass<TMirrorUpDown>, nullptr};
    case TToolId::MirrorLeftRight:
        return {ToolClass<TMirrorLeftRight>, nullptr};
    case TToolId::MirrorDiagonal:
        return {ToolClass<TMirrorDiagonal>, nullptr};
    case TToolId::MirrorSimetricAxis:
        return {ToolClass<TMirrorSimetricAxis>, nullptr};
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
