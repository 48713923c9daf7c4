#include "tools/draw/SixVertex.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

const char* const Prompt = "Задайте положение центра (Ctrl+сдвиг - изменение размеров Enter- закрепить)";

constexpr float Pi = std::numbers::pi_v<float>;

} // namespace

QString TSixVertex::GetPrompt() {
    return Step >= StepCentre && Step <= StepMark ? QString::fromUtf8(Prompt) : QString();
}

void TSixVertex::SetOrientationTag(int tag) {
    FOrientation = float(tag) * Pi / 2.0f;
}

void TSixVertex::DrawFigure(gdi::DeviceContext& dc, int32_t dx, int32_t dy) const {
    const float r = float(FRadius);
    const float cx = float(FCentre.x + dx);
    const float cy = float(FCentre.y + dy);
    std::array<gdi::Point, 6> vertices;
    for (int i = 0; i < 6; ++i) {
        const float theta = float(i) * Pi / 3.0f + FOrientation;
        vertices[size_t(i)] = {int32_t(std::nearbyint(cx - r * std::sin(theta))),
                               int32_t(std::nearbyint(cy - r * std::cos(theta)))};
    }
    dc.polygon(vertices.data(), int(vertices.size()));
}
