#include "tools/draw/Circle.h"

#include "tools/base/Prompts.h"

namespace {

const char* const Prompt = "Задайте положение центра (Ctrl+сдвиг - изменение радиуса)";

} // namespace

QString TCircle::GetPrompt() {
    return Step >= StepCentre && Step <= StepMark ? QString::fromUtf8(Prompt) : QString();
}

void TCircle::DrawFigure(gdi::DeviceContext& dc, int32_t dx, int32_t dy) const {
    const int32_t x = FCentre.x + dx;
    const int32_t y = FCentre.y + dy;
    dc.ellipse(x - FRadius, y - FRadius, x + FRadius, y + FRadius);
}
