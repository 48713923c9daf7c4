#pragma once
// The eyedropper: while the left button is held, the colour under the pointer becomes
// the line colour, live, with the line-colour panel and the line pen following.

#include "tools/base/TechBase.h"

class TEyeDropper : public TTechBase {
  public:
    void Create() override;
    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    // The line colour was chosen on its panel meanwhile.
    void Changed() override;
    QString GetPrompt() override;

    // The line colour as last set.
    gdi::COLORREF FColor = 0;
    // The left button is held.
    bool FPicking = false;

  private:
    void SetLineColor(gdi::Point point);
};
