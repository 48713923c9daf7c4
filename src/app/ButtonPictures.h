#pragma once
// The pictures of the main window's tool buttons, drawn in code (16 x 16).

#include <QIcon>

enum class TButtonPicture { NewSketch, Open, Save, Print, ZoomIn, ZoomOut, ViewAll };

QIcon ButtonPicture(TButtonPicture picture);
