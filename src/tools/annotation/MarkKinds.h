#pragma once
// The special marks the mark tool stamps: each kind with the action that picks it in
// "Спецзнаки", its hint (the mark's name), its place in the window's groups, its
// starting direction, and its drawing in the mark frame. The fixed directions a mark can
// be given instead of turning it away from the nearest line are here too.

#include "tools/annotation/MarkRenderer.h"

#include <array>
#include <cstdint>
#include <span>

// Where a mark's button sits in "Спецзнаки".
enum class TMarkGroup : uint8_t { Supports, Clutches, Mounts, Forms, Others };

struct TMarkKind {
    int32_t Kind;       // the action's tag
    const char* Action; // the action's name
    const char* Hint;   // empty for the one mark without a name
    TMarkGroup Group;
};

// The two callouts drawn with a leader from a point on the surface.
inline constexpr int32_t SurfaceNumberKind = 10000;
inline constexpr int32_t DatumKind = 10001;
// The finish sign with its value, turned with the mark and upright.
inline constexpr int32_t RoughKind = 2;
inline constexpr int32_t RoughOtherKind = 21;
inline constexpr int32_t ClutchKind = 211;

// All 37 kinds in the order of the window's buttons.
std::span<const TMarkKind> MarkKinds();
const TMarkKind* FindMarkKind(int32_t kind);
bool IsCalloutKind(int32_t kind);

// The fixed directions 1..8 as (cos, sin); index 0 (automatic) has none.
struct TMarkDirection {
    float Cos;
    float Sin;
};
extern const std::array<TMarkDirection, 9> MarkDirections;
inline constexpr uint8_t AutoDirection = 0;
inline constexpr uint8_t UprightDirection = 7;
// The direction a kind starts with: upright for the marks seen from above or below
// (and a few others), automatic for the rest.
uint8_t DefaultDirection(int32_t kind);

// Pen width of a kind's drawing, in pixels.
int32_t MarkPenWidth(int32_t kind);
// The kind's strokes with renderer, which has begun and has its origin set; the frame
// is turned to (cos, sin), or kept upright for the kinds drawn in a fixed frame. The
// finish value, the clutch letter and the callouts are not strokes of the kind.
void DrawMarkStrokes(TMarkRenderer& renderer, int32_t kind, float cos, float sin);
