#pragma once
// Hatching and filling: a click fills the connected area of the clicked pixel's colour
// with the fill colour, hatched in the style chosen in "Виды штриховки" or solid. The
// area ends wherever another colour starts, so an outline with a gap lets the hatch out.

#include "tools/base/TechBase.h"

class TFilling : public TTechBase {
  public:
    // A hatch style 0..5 (horizontal, vertical, forward diagonal, backward diagonal,
    // cross, diagonal cross); anything above 9 fills solid.
    static constexpr int32_t SolidFill = 30;

    void Create() override;
    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    QString GetPrompt() override;

    int32_t FHatch = 3;
};
