#include "tools/annotation/MarkKinds.h"

#include <algorithm>
#include <numbers>

namespace {

using G = TMarkGroup;

constexpr std::array<TMarkKind, 37> Kinds{{
    {111, "Support1FB", "Неподвижная опора (виды: спереди, сзади)", G::Supports},
    {112, "Support1U", "Неподвижная опора (вид сверху)", G::Supports},
    {113, "Support1D", "Неподвижная опора (вид снизу)", G::Supports},
    {121, "Support2FB", "Подвижная опора (виды: спереди, сзади)", G::Supports},
    {122, "Support2U", "Подвижная опора (вид сверху)", G::Supports},
    {123, "Support2D", "Подвижная опора (вид снизу)", G::Supports},
    {131, "Support3FB", "Плавающая опора (виды: спереди, сзади)", G::Supports},
    {132, "Support3U", "Плавающая опора (вид сверху)", G::Supports},
    {133, "Support3D", "Плавающая опора (вид снизу)", G::Supports},
    {141, "Support4FB", "Регулируемая опора (виды: спереди, сзади)", G::Supports},
    {142, "Support4U", "Регулируемая опора (вид сверху)", G::Supports},
    {143, "Support4D", "Регулируемая опора (вид снизу)", G::Supports},
    {211, "Clutch1FB", "Одиночный зажим (виды: спереди, сзади)", G::Clutches},
    {212, "Clutch1U", "Одиночный зажим (вид сверху)", G::Clutches},
    {213, "Clutch1D", "Одиночный зажим (вид снизу)", G::Clutches},
    {311, "Mount1FB", "Центр неподвижный", G::Mounts},
    {321, "Mount2FB", "Центр вращающийся", G::Mounts},
    {331, "Mount3FB", "Центр плавающий", G::Mounts},
    {341, "Mount4FB", "Оправка цилиндрическая", G::Mounts},
    {351, "Mount5FB", "Оправка шариковая (роликовая)", G::Mounts},
    {361, "Mount6FB", "Патрон поводковый", G::Mounts},
    {411, "Form1A", "Плоская", G::Forms},
    {421, "Form2A", "Сферическая", G::Forms},
    {431, "Form3A", "Цилиндрическая (шариковая)", G::Forms},
    {441, "Form4A", "Призматическая", G::Forms},
    {451, "Form5A", "Коническая", G::Forms},
    {461, "Form6A", "Ромбическая", G::Forms},
    {471, "Form7A", "Трехгранная", G::Forms},
    {2, "MarkRough", "Обработка", G::Others},
    {6, "Action5", "", G::Others},
    {8, "MarkWithoutRought", "Без обработки", G::Others},
    {16, "Action4", "Рифление", G::Others},
    {20, "MarkInclimation", "Уклон", G::Others},
    {21, "MarkRough_other", "Обработка (остальное)", G::Others},
    {22, "Action3", "Обозначение разрезов и сечений", G::Others},
    {10000, "MarkSurfNums", "Номер поверхности", G::Others},
    {10001, "MarkBase", "База", G::Others},
}};

constexpr double Pi = std::numbers::pi;
// Where the arc of the floating marks ends: just past the half turn.
constexpr double FloatingArcEnd = -1.64061;

void line(TMarkRenderer& r, double x1, double y1, double x2, double y2) {
    r.MoveTo(x1, y1);
    r.LineTo(x2, y2);
}

// The V of the supports and centres, opening away from the surface.
void vee(TMarkRenderer& r) {
    line(r, 0, 0, 5, 2.5);
    line(r, 0, 0, 5, -2.5);
}

void fixedSupport(TMarkRenderer& r) {
    vee(r);
    line(r, 5, -5, 5, 5);
}

// The side ticks of the movable supports seen from above or below.
void sideTicks(TMarkRenderer& r) {
    line(r, -3, 0, -5, 0);
    line(r, 3, 0, 5, 0);
}

void crossTicks(TMarkRenderer& r) {
    line(r, 0, -3, 0, -5);
    line(r, 0, 3, 0, 5);
}

void floatingArc(TMarkRenderer& r) {
    r.Arc(0, 0, 3, Pi / 2, FloatingArcEnd);
}

void mandrel(TMarkRenderer& r) {
    r.MoveTo(0, 0);
    r.LineTo(5, 2.5);
    r.LineTo(5, 5);
    r.MoveTo(0, 0);
    r.LineTo(5, -2.5);
    r.LineTo(5, -5);
}

// The finish tick: a short arm and a long one.
void roughTick(TMarkRenderer& r) {
    r.MoveTo(10, 5);
    r.LineTo(0, 0);
    r.LineTo(5, -2.5);
}

void roughOther(TMarkRenderer& r) {
    r.MoveTo(5, -10);
    r.LineTo(0, 0);
    r.LineTo(-2.5, -5);
    r.MoveTo(13, -10);
    r.LineTo(8, 0);
    r.LineTo(5.5, -5);
    r.Arc(8, -1.3, 5.3, 0.523599, -0.523599);
    r.Arc(8, -1.3, 5.3, 3.66519, 2.61799);
}

void supportStrokes(TMarkRenderer& r, int32_t kind) {
    switch (kind) {
    case 111:
        fixedSupport(r);
        break;
    case 112:
        r.Circle(0, 0, 6);
        r.Circle(0, 0, 1);
        break;
    case 113:
        r.Circle(0, 0, 6);
        break;
    case 121:
        fixedSupport(r);
        line(r, 6, -5, 6, 5);
        break;
    case 122:
        supportStrokes(r, 112);
        sideTicks(r);
        break;
    case 123:
        supportStrokes(r, 113);
        sideTicks(r);
        break;
    case 131:
        fixedSupport(r);
        floatingArc(r);
        break;
    case 132:
        supportStrokes(r, 122);
        crossTicks(r);
        break;
    case 133:
        supportStrokes(r, 123);
        crossTicks(r);
        break;
    case 141:
        fixedSupport(r);
        line(r, 5, 0, 10, 0);
        break;
    case 142:
        r.Circle(0, 0, 6);
        r.Circle(0, 0, 5);
        r.Circle(0, 0, 1);
        line(r, 3, 0, 7, 0);
        break;
    case 143:
        r.Circle(0, 0, 6);
        line(r, 3, 0, 7, 0);
        break;
    default:
        break;
    }
}

void clutchAndMountStrokes(TMarkRenderer& r, int32_t kind) {
    switch (kind) {
    case 211:
        r.MoveTo(0, 0);
        r.LineTo(3, -1.5);
        r.LineTo(3, 1.5);
        r.LineTo(0, 0);
        line(r, 3, 0, 10, 0);
        break;
    case 212:
        r.Circle(0, 0, 3);
        line(r, -1, 0, 1, 0);
        line(r, 0, -1, 0, 1);
        break;
    case 213:
        r.Circle(0, 0, 3);
        r.Circle(0, 0, 1);
        break;
    case 311:
        vee(r);
        break;
    case 321:
        vee(r);
        r.Circle(3, 0, 2.5);
        break;
    case 331:
        vee(r);
        floatingArc(r);
        break;
    case 341:
        mandrel(r);
        break;
    case 351:
        mandrel(r);
        r.Circle(3, 0, 2.5);
        break;
    case 361:
        line(r, -5, -1, 5, -1);
        r.MoveTo(0, -1);
        r.LineTo(0, -11);
        r.LineTo(-3, -11);
        break;
    default:
        break;
    }
}

void formStrokes(TMarkRenderer& r, int32_t kind) {
    switch (kind) {
    case 411:
        line(r, 1, -1.5, 1, 1.5);
        break;
    case 421:
        r.Arc(2.5, 0, 1.5, -Pi / 2, 1.39626);
        break;
    case 431:
        r.Circle(1.5, 0, 3);
        break;
    case 441:
        line(r, 1, -1.5, 1, 1.5);
        line(r, 4, -3, 1, -1.5);
        line(r, 4, 3, 1, 1.5);
        break;
    case 451:
        line(r, 0, 0, 3, -1.5);
        line(r, 0, 0, 3, 1.5);
        break;
    case 461:
        r.MoveTo(0, 0);
        r.LineTo(3, -1.5);
        r.LineTo(6, 0);
        r.LineTo(3, 1.5);
        r.LineTo(0, 0);
        break;
    case 471:
        r.MoveTo(0, 0);
        r.LineTo(3, -1.5);
        r.LineTo(3, 1.5);
        r.LineTo(0, 0);
        break;
    default:
        break;
    }
}

void otherStrokes(TMarkRenderer& r, int32_t kind) {
    switch (kind) {
    case 2:
        roughTick(r);
        break;
    case 6:
        line(r, 5, 2.5, 0, 0);
        line(r, 5, -2.5, 0, 0);
        line(r, 4.4, 2.2, 4.4, -2.2);
        line(r, 10, 0, 4.4, 0);
        break;
    case 8:
        roughTick(r);
        r.Circle(3.3, 0, 2.8);
        break;
    case 16:
        r.MoveTo(0, 0);
        r.LineTo(3, -1.5);
        r.LineTo(1.5, -3);
        r.MoveTo(0, 0);
        r.LineTo(3, 1.5);
        r.LineTo(1.5, 3);
        break;
    case 20:
        r.MoveTo(10, 2.5);
        r.LineTo(0, 0);
        r.LineTo(10, -2.5);
        r.LineTo(10, 2.5);
        break;
    case 21:
        roughOther(r);
        break;
    case 22:
        line(r, 10, 0, 0, 0);
        line(r, 5, 2.5, 0, 0);
        line(r, 5, -2.5, 0, 0);
        line(r, -0.6, -7.5, -0.6, 7.5);
        break;
    default:
        break;
    }
}

} // namespace

const std::array<TMarkDirection, 9> MarkDirections{{
    {0, 0},
    {-1, 0},
    {-0.70710677f, 0.70710677f},
    {0, 1},
    {0.70710677f, 0.70710677f},
    {1, 0},
    {0.70710677f, -0.70710677f},
    {0, -1},
    {-0.70710677f, -0.70710677f},
}};

std::span<const TMarkKind> MarkKinds() {
    return Kinds;
}

const TMarkKind* FindMarkKind(int32_t kind) {
    const auto it =
        std::find_if(Kinds.begin(), Kinds.end(), [kind](const TMarkKind& k) { return k.Kind == kind; });
    return it == Kinds.end() ? nullptr : &*it;
}

bool IsCalloutKind(int32_t kind) {
    return kind > 9999;
}

uint8_t DefaultDirection(int32_t kind) {
    constexpr std::array<int32_t, 12> upright{21, 112, 113, 122, 123, 132, 133, 142, 143, 212, 213, 431};
    return std::find(upright.begin(), upright.end(), kind) != upright.end() ? UprightDirection
                                                                            : AutoDirection;
}

int32_t MarkPenWidth(int32_t kind) {
    if (kind == 411) return 2;
    if (kind == 22) return 3;
    return 1;
}

void DrawMarkStrokes(TMarkRenderer& renderer, int32_t kind, float cos, float sin) {
    const bool fixedFrame = kind == 361 || kind == RoughOtherKind;
    if (fixedFrame)
        renderer.SetRotation(1, 0);
    else
        renderer.SetRotation(cos, sin);
    if (kind >= 100 && kind < 200)
        supportStrokes(renderer, kind);
    else if (kind >= 200 && kind < 400)
        clutchAndMountStrokes(renderer, kind);
    else if (kind >= 400 && kind < 500)
        formStrokes(renderer, kind);
    else
        otherStrokes(renderer, kind);
}
