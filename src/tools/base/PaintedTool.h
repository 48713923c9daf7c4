#pragma once
// What the paint cycle needs of a tool: whether to paint it, and its preview and
// cross-hair drawn over the visible part of the sketch. At most three tools paint at a
// time (a tool, its sub-tool and one more); the slots fill from the front.

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <array>
#include <cstdint>

class TPaintedTool {
  public:
    virtual ~TPaintedTool() = default;

    // Both draw into the render buffer, whose pixel (0, 0) is sketch pixel (originX,
    // originY); clientRect is the surface's client area in screen pixels.
    virtual void DrawCursor(gdi::DeviceContext& /*dc*/, const gdi::Rect& /*clientRect*/, int32_t /*originX*/,
                            int32_t /*originY*/) {}
    virtual void DrawPreview(gdi::DeviceContext& /*dc*/, const gdi::Rect& /*clientRect*/, int32_t /*originX*/,
                             int32_t /*originY*/) {}

    // The pointer is over the surface as far as the tool follows it; nothing of the tool
    // is painted otherwise.
    bool PointerInside = false;
    bool ShowCursor = true;
    bool ShowPreview = true;
};

inline constexpr int MaxActiveTools = 3;
extern std::array<TPaintedTool*, MaxActiveTools> ActiveTools;

// Answers of the registry; callers may ignore them.
enum TRegisterResult : int { RegisterDone = 0, RegisterNoTool = 16, RegisterFull = 17 };

// Takes the first empty slot.
int RegisterTool(TPaintedTool* tool);
// Empties the slot holding the tool, if any.
int UnregisterTool(TPaintedTool* tool);
