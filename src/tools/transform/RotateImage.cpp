#include "tools/transform/RotateImage.h"

#include "tools/base/CursorIds.h"
#include "tools/base/Prompts.h"

#include "document/RotateBitmap.h"
#include "document/TechDocument.h"

#include <algorithm>

namespace {

const TStringTable Prompts{
    {TRotateImage::StepFirstPoint, "Укажите первую точку на линии, которая должна стать %1"},
    {TRotateImage::StepSecondPoint, "Укажите вторую точку на линии, которая должна стать %1"},
    {TRotateImage::StepTurning, "Завершено: %1%"},
};

// The word of each mode, as the program has always spelt it.
const char* const ModeWords[] = {"горизонтальной", "вертикльной"};

constexpr int32_t Passes = 5;

} // namespace

void TRotateImage::Create() {
    CursorId = RubberCursor;
    TTechBase::Create();
    PointerInside = true;
    // The guides belong to the cursor layer; there is no figure to preview.
    ShowPreview = false;
    Restart();
}

void TRotateImage::Restart() {
    SetStep(StepFirstPoint);
}

void TRotateImage::LeftButton(gdi::Point point, TShiftState, bool released) {
    if (released) return;
    if (Step == StepFirstPoint) {
        FLines.SetFirstPoint(point);
        SetStep(StepSecondPoint);
    } else if (Step == StepSecondPoint) {
        FLines.SetSecondPoint(point);
        float cos = 1, sin = 0;
        if (FLines.GetRotation(cos, sin)) {
            RecordUndo();
            FPercent = 0;
            SetStep(StepTurning);
            TurnSketch(cos, sin);
            Restart();
        }
    }
    Repaint();
}

void TRotateImage::RightButton(gdi::Point, TShiftState, bool released) {
    if (released) return;
    Restart();
    Repaint();
}

void TRotateImage::PointerMove(gdi::Point point, TShiftState) {
    CurPoint = point;
    if (Step == StepFirstPoint) FLines.SetFirstPoint(point);
    if (Step == StepSecondPoint) FLines.SetSecondPoint(point);
    Repaint();
}

void TRotateImage::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    if (Step != StepFirstPoint && Step != StepSecondPoint) return;
    FLines.DrawGuides(dc, gdi::R2_COPYPEN, Step == StepSecondPoint, -originX, -originY);
}

QString TRotateImage::GetPrompt() {
    if (Step == StepTurning) return Prompts.Load(Step).arg(FPercent);
    return Prompts.Load(Step).arg(QString::fromUtf8(ModeWords[FLines.Mode == TRotateLines::Vertical]));
}

void TRotateImage::TurnSketch(float cos, float sin) {
    if (!DocDC) return;
    TRotateRequest request{DocDC, cos, sin, Passes, {}, this};
    request.Progress = [this](int32_t code, intptr_t value, intptr_t) {
        Progress(code, value);
        return 0;
    };
    RotateBitmap(request);
}

void TRotateImage::Progress(int32_t code, intptr_t value) {
    switch (code) {
    case RotateTotal:
        m_stepsDone = 0;
        m_stepsPerPercent = std::max<int32_t>(int32_t(value / 100), 1);
        break;
    case RotateStepDone: {
        ++m_stepsDone;
        // A small sketch has fewer steps than twice a hundred: the count would run past
        // the whole.
        const int32_t percent = std::min(m_stepsDone / m_stepsPerPercent, 100);
        if (percent == FPercent) break;
        FPercent = percent;
        if (Step == StepTurning) ShowPrompt();
        break;
    }
    case RotateSized:
        if (Document) Document->SyncSize();
        break;
    default:
        break;
    }
}
