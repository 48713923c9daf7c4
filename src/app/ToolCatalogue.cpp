#include "app/ToolCatalogue.h"

#include "tools/draw/Arc.h"
#include "tools/draw/ArcForm.h"
#include "tools/draw/Circle.h"
#include "tools/draw/DivCircleByCircle.h"
#include "tools/draw/DivCircleByPart.h"
#include "tools/draw/EyeDropper.h"
#include "tools/draw/FillForm.h"
#include "tools/draw/Filling.h"
#include "tools/draw/FourVertex.h"
#include "tools/draw/Rubber.h"
#include "tools/draw/SegmentLine.h"
#include "tools/draw/SixVertex.h"
#include "tools/draw/SmoothLine.h"
#include "tools/transform/Marquee.h"
#include "tools/transform/Mirror.h"
#include "tools/transform/MirrorSimetricAxis.h"
#include "tools/transform/RotateImage.h"

namespace {

// The hexagon's two commands are its two orientations.
void tagSixVertex(TTechBase& tool, int tag) {
    // The entry's class made the tool.
    static_cast<TSixVertex&>(tool).SetOrientationTag(tag);
}

} // namespace

TToolEntry ToolEntry(TToolId id) {
    switch (id) {
    // Each tool joins here with its class and dialog as it becomes part of the program,
    // for example: case TToolId::FourVertex: return {ToolClass<TFourVertex>, nullptr};
    case TToolId::Marquee:
        return {ToolClass<TMarquee>, nullptr};
    case TToolId::SegmentLine:
        return {ToolClass<TSegmentLine>, nullptr};
    case TToolId::SmoothLine:
        return {ToolClass<TSmoothLine>, nullptr};
    case TToolId::Circle:
        return {ToolClass<TCircle>, nullptr};
    case TToolId::Arc:
        return {ToolClass<TArc>, DialogClass<TArcForm>};
    case TToolId::SixVertex:
        return {ToolClass<TSixVertex>, nullptr, &tagSixVertex};
    case TToolId::DivCircleByPart:
        return {ToolClass<TDivCircleByPart>, nullptr};
    case TToolId::DivCircleByCircle:
        return {ToolClass<TDivCircleByCircle>, nullptr};
    case TToolId::Rubber:
        return {ToolClass<TRubber>, nullptr};
    case TToolId::SmartRubber:
        return {ToolClass<TSmartRubber>, nullptr};
    case TToolId::Filling:
        return {ToolClass<TFilling>, DialogClass<TFillForm>};
    case TToolId::EyeDropper:
        return {ToolClass<TEyeDropper>, nullptr};
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
    case TToolId::RotateImage:
        return {ToolClass<TRotateImage>, nullptr};
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
