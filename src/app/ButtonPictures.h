#pragma once
// The pictures of the main window's commands, drawn in code on a 16 x 16 grid and made
// at twice the size as well for high-density screens.

#include <QIcon>

enum class TButtonPicture {
    None,
    // File, edit and view commands.
    NewSketch,
    Open,
    Save,
    Print,
    Cut,
    Copy,
    Paste,
    Delete,
    Marquee,
    Transparent,
    Undo,
    Redo,
    ZoomIn,
    ZoomOut,
    ViewAll,
    LoadFragment,
    SaveFragment,
    RotateImage,
    RotateByAngle,
    Help,
    // Drawing tools and their options.
    SegmentLine,
    SmoothLine,
    PointCapture,
    Orthogonally,
    SixVertexNormal,
    SixVertexRotated,
    Rubber,
    SmartRubber,
    Circle,
    Arc,
    CircleByPart,
    ManyCircles,
    EyeDropper,
    Filling,
    MirrorUpDown,
    MirrorLeftRight,
    MirrorDiagonal,
    MirrorAxis,
    FourVertex,
    CompleteRight,
    CompleteDown,
    // Annotation, blocks and instruments.
    Text,
    Mark,
    Dopusk,
    Block,
    Instrument,
    SizeLine,
    DiametralSize,
    RadiusSize,
    RadialSize,
    FreeLine,
    FreePoint1,
    FreePoint2,
};

// An empty icon for None.
QIcon ButtonPicture(TButtonPicture picture);
