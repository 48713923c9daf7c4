#pragma once
// Special marks: the tool stamps the engineering symbol chosen in "Спецзнаки" (supports,
// clamps, centres and mandrels, working-surface shapes, finish signs with their value,
// knurling, taper, section marks). As the pointer moves, the mark attaches itself to the
// nearest drawn pixel within ten pixels and turns away from it, or keeps one of eight
// fixed directions chosen with Esc; a click stamps it in black. Surface numbers and
// datum marks are drawn instead on a leader from a point of the surface, each with the
// text the user types, and several may follow from the same point.

#include "tools/base/TechBase.h"

#include "tools/annotation/MarkRenderer.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <string>

// What a mark is stamped with besides its strokes: the finish value, or the number or
// letter of a callout.
struct TMarkLabel {
    std::string Text;
};

class TMark : public TTechBase {
  public:
    enum TStep : uint8_t {
        StepMark = 2,    // an ordinary mark (or none yet) follows the pointer
        StepCallout = 3, // a surface number or datum
    };
    enum TSubStep : uint8_t {
        SubPoint = 2, // the callout waits for its point on the surface
        SubPlace = 3, // the mark, or the callout's leader, follows the pointer
    };

    // Preview colours: placeable, fixed direction off the sketch's lines, nothing near.
    static constexpr gdi::COLORREF PlaceableColor = 0x00FF00;
    static constexpr gdi::COLORREF FixedColor = 0x800000;
    static constexpr gdi::COLORREF NowhereColor = 0x0000FF;
    static constexpr int32_t SearchRadius = 10;

    void Create() override;
    void Destroy() override;
    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    // The tool follows the pointer wherever it is.
    void SurfMouseEnter(int32_t x, int32_t y) override;
    void SurfMouseLeave(int32_t x, int32_t y) override;
    // The mark in colour state.LogPen.color, at Anchor shifted by (dx, dy); extra is a
    // TMarkLabel, or nullptr for the preview (no finish value, callouts without text).
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    void Complete() override;
    QString GetPrompt() override;

    // A kind of MarkKinds(), or -1 for none.
    void SelectKind(int32_t kind);
    // Attaches the mark for the pointer at point: Anchor, direction and Placeable.
    void FindAnchor(gdi::Point point);
    gdi::COLORREF PreviewColor() const;

    bool Placeable = false;
    uint8_t Direction = 0;
    float DirCos = 1;
    float DirSin = 0;
    std::unique_ptr<TMarkRenderer> Renderer;
    int32_t Kind = -1;
    gdi::Point SecondPoint;
    gdi::Point Anchor;
    QString ClutchLetter;

  private:
    void ApplyKind(int32_t kind);
    void Stamp();
    void CalloutClick(gdi::Point point);
    void Commit(const TMarkLabel& label);
};
