#include "tools/draw/Arc.h"

#include <cmath>
#include <numbers>

namespace {

const char* const Prompt = "Задайте положение центра (Ctrl+сдвиг - изменение радиуса Enter- закрепить)";

constexpr float DegreesToRadians = std::numbers::pi_v<float> / 180.0f;

int32_t roundPixel(float value) {
    return int32_t(std::nearbyint(value));
}

} // namespace

float ArcAngleOfDegrees(int32_t degrees) {
    return float(degrees) * -DegreesToRadians;
}

int32_t DegreesOfArcAngle(float angle) {
    return int32_t(std::nearbyint(angle / -DegreesToRadians));
}

void DrawArcOfCircle(gdi::DeviceContext& dc, gdi::Point centre, int32_t radius, float from, float to) {
    const float r = float(radius);
    const int32_t x1 = centre.x + roundPixel(r * std::cos(from));
    const int32_t y1 = centre.y + roundPixel(r * std::sin(from));
    const int32_t x2 = centre.x + roundPixel(r * std::cos(to));
    const int32_t y2 = centre.y + roundPixel(r * std::sin(to));
    dc.arc(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius, x1, y1, x2, y2);
}

QString TArc::GetPrompt() {
    return Step >= StepCentre && Step <= StepMark ? QString::fromUtf8(Prompt) : QString();
}

void TArc::SetAngles(float from, float to) {
    FFromAngle = from;
    FToAngle = to;
}

void TArc::DrawFigure(gdi::DeviceContext& dc, int32_t dx, int32_t dy) const {
    DrawArcOfCircle(dc, {FCentre.x + dx, FCentre.y + dy}, FRadius, FFromAngle, FToAngle);
}
