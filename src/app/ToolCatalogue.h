#pragma once
// The tools the main window's commands select, each with the option dialog that comes
// with it. A tool whose class is not part of the program has no entry: the commands
// that need it are shown, with their captions and pictures, but stay disabled.

#include "tools/base/ToolSwitch.h"

enum class TToolId {
    None, // the command needs no tool
    Marquee,
    RotateImage,
    SixVertex,
    SegmentLine,
    SmoothLine,
    Text,
    Rubber,
    SmartRubber,
    Circle,
    Arc,
    DivCircleByPart,
    DivCircleByCircle,
    Filling,
    MirrorUpDown,
    MirrorLeftRight,
    MirrorDiagonal,
    MirrorSimetricAxis,
    Block,
    Instrument,
    EyeDropper,
    SizeLine,
    DiametralSize,
    RadiusSize,
    RadialSize,
    FreeLine,
    Mark,
    Dopusk,
    FourVertex,
};

// Hands a new tool the tag of the command that made it, for a tool class whose
// commands differ only by their tag.
using TToolTagger = void (*)(TTechBase& tool, int tag);

struct TToolEntry {
    TToolClass Tool = nullptr;
    TDialogClass Dialog = nullptr;
    TToolTagger Tagger = nullptr;
};

// The entry of a tool; an empty one for a tool the program does not have.
TToolEntry ToolEntry(TToolId id);
// Whether a command needing the tool can run: TToolId::None always can.
bool ToolAvailable(TToolId id);
// Whether the current tool was made from the entry's class; never for a missing entry.
bool CurrentToolIs(TToolId id);
