#pragma once
// Turning a whole picture by any angle. The bitmap selected in a DC is replaced by a new
// sketch bitmap that holds the turned picture on white, big enough for all of it.
// Every source pixel is spread over the four destination pixels its turned centre
// falls between, weighted by how near it lies to each; the spreading is repeated a few
// times, which pulls each destination pixel towards the colour of the pixels that cover
// it, so thin dark lines stay dark instead of fading into the white ground.
//
// The work goes column by column and reports every column to a progress callback, so
// that a caller can show how far a long rotation has come.

#include "gdi/DeviceContext.h"

#include <cstdint>
#include <functional>

// What the progress callback hears, in this order: RotateStart (value: the request,
// extra: its Data), RotateTotal (value: the number of steps), RotateStepDone once per
// step, RotateSized (value: new width, extra: new height; the new bitmap is selected),
// RotateFinished.
enum TRotateProgressCode : int32_t {
    RotateStart = 1,
    RotateTotal = 2,
    RotateStepDone = 3,
    RotateSized = 4,
    RotateFinished = 5,
};

// The callback's result is not used.
using TRotateProgress = std::function<int32_t(int32_t code, intptr_t value, intptr_t extra)>;

struct TRotateRequest {
    // The DC whose selected bitmap is turned and replaced.
    gdi::DeviceContext* DC = nullptr;
    // Cosine and sine of the rotation. Seen on the screen (y downwards) the picture
    // turns by the angle whose cosine is Cos and whose sine is -Sin.
    float Cos = 1;
    float Sin = 0;
    // How often the spreading is repeated; the program's callers use 5.
    int32_t Passes = 5;
    TRotateProgress Progress;
    // Handed to the callback with RotateStart.
    void* Data = nullptr;
};

// Replaces the bitmap of request.DC by its turned copy. Without a bitmap nothing
// happens; when the new bitmap cannot be made the old one stays and RotateFinished is
// still reported.
void RotateBitmap(const TRotateRequest& request);
