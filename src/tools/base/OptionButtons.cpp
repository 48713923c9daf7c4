#include "tools/base/OptionButtons.h"

#include <array>

namespace {

// clang-format off
constexpr std::array Rows = {
    TOptionButtonRow{TOptionButton::PointCapt,    "PointCaptButton",        "PointCaptureCmd"},
    TOptionButtonRow{TOptionButton::Orthogonally, "OrthogonallyToolButton", "OrthogonallyCmd"},
    TOptionButtonRow{TOptionButton::Transparent,  "TransparenToolButton",   "SetTransparentCmd"},
    TOptionButtonRow{TOptionButton::FreePoint1,   "FreePoint1Button",       "FreePoint1"},
    TOptionButtonRow{TOptionButton::FreePoint2,   "FreePoint2Button",       "FreePoint2"},
};
// clang-format on

// Rows are looked up by the option's number.
constexpr bool rowsInOrder() {
    for (size_t i = 0; i < Rows.size(); ++i)
        if (size_t(Rows[i].Button) != i) return false;
    return true;
}
static_assert(rowsInOrder());

} // namespace

const TOptionButtonRow& OptionButtonRow(TOptionButton which) {
    return Rows[size_t(which)];
}

const char* OptionButtonName(TOptionButton which) {
    return OptionButtonRow(which).ComponentName;
}

const TOptionButtonRow* OptionOfAction(std::string_view actionName) {
    for (const TOptionButtonRow& row : Rows)
        if (actionName == row.ActionName) return &row;
    return nullptr;
}
