#include "tools/annotation/SizeBase.h"

#include "tools/annotation/SizeForm.h"
#include "tools/base/CursorIds.h"
#include "tools/base/KeysSuspension.h"

#include "document/Geometry.h"
#include "document/Pens.h"
#include "document/TechDocument.h"

#include <cmath>

namespace {

std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

gdi::COLORREF StatePenColour(const TGdiState& state) {
    return state.LogPen.color;
}

int32_t RoundToPixel(float value) {
    return int32_t(std::nearbyint(value));
}

gdi::Point PointAlong(gdi::Point from, float cos, float sin, float length) {
    return {from.x + RoundToPixel(cos * length), from.y + RoundToPixel(sin * length)};
}

float Projection(gdi::Point from, gdi::Point to, float cos, float sin) {
    return float(to.x - from.x) * cos + float(to.y - from.y) * sin;
}

void DrawShiftedSegment(gdi::DeviceContext& dc, gdi::Point from, gdi::Point to, int32_t dx, int32_t dy) {
    dc.moveTo(from.x + dx, from.y + dy);
    dc.lineTo(to.x + dx, to.y + dy);
}

TSizeBase::TSizeBase()
    : RemoteLine(std::make_unique<TRemoteLine>()), SizeText(std::make_unique<TSizeText>()) {
    RemoteLine->Text = SizeText.get();
}

void TSizeBase::Create() {
    CursorId = CrossCursor;
    TTechBase::Create();
    PointerInside = true;
}

void TSizeBase::Restart() {
    TTechBase::Restart();
    PointerInside = true;
    ShelfMode = false;
    SetState(1, 0);
    SetState(2, 0);
    SizeText->Clear();
    RemoteLine->Reset();
}

void TSizeBase::StartShelf() {
    ShelfMode = true;
    SetSubStep(SubStepLeader);
}

void TSizeBase::SetTextDirection(float cos, float sin) {
    const float turn = Sign(cos) == Sign(sin) ? std::asin(std::fabs(sin)) : std::asin(-std::fabs(sin));
    SizeText->SetAngle(turn);
}

bool TSizeBase::AskText(bool shelfEnabled) {
    TSizeDialogData data;
    data.Flags = SizeDialogHasValue | SizeDialogHasShelfState;
    data.ValueText =
        QString::fromStdString(SizeText->GetPart(TSizeText::PartValue)).left(TSizeDialogData::ValueLimit);
    data.ShelfEnabled = shelfEnabled;
    bool accepted = false;
    {
        TKeysSuspension suspended(*this);
        accepted = ExecuteSizeDialog(data);
    }
    if (!accepted) return false;
    SizeText->SetPart(TSizeText::PartBefore, utf8(data.BeforeText));
    SizeText->SetPart(TSizeText::PartValue, utf8(data.ValueText));
    SizeText->SetPart(TSizeText::PartUpper, utf8(data.UpperText));
    SizeText->SetPart(TSizeText::PartLower, utf8(data.LowerText));
    SizeText->SetPart(TSizeText::PartAfter, utf8(data.AfterText));
    if (data.Shelf) {
        // Text on a shelf is always horizontal.
        RemoteLine->Text->SetAngle(0);
        StartShelf();
    }
    return true;
}

bool TSizeBase::TextIsEmpty() const {
    return SizeText->IsEmpty();
}

void TSizeBase::CommitRender() {
    RecordUndo();
    if (!DocDC) return;
    TGdiState state;
    // The dimension's own pen: the line colour, never the chosen style or width.
    InitStateForLogPen(state, DocDC, gdi::R2_COPYPEN, LineLogPen.color, 1, gdi::PS_SOLID);
    Render(state, nullptr, 0, 0);
}

void TSizeBase::PreviewRender(gdi::DeviceContext& dc, int32_t originX, int32_t originY, bool valid) {
    TGdiState state;
    InitStateForPen(state, &dc, gdi::R2_COPYPEN, valid ? GreenPen : RedPen);
    Render(state, nullptr, -originX, -originY);
}

void TSizeBase::DrawInscription(gdi::DeviceContext& dc, gdi::COLORREF colour, int32_t dx, int32_t dy) {
    if (ShelfMode)
        RemoteLine->Draw(dc, colour, dx, dy);
    else
        SizeText->Draw(dc, colour, dx, dy);
}

void TSizeBase::TurnShelf(gdi::Point pointer) {
    RemoteLine->ToLeft = pointer.x < RemoteLine->EndPoint.x;
}
