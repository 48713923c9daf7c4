#pragma once
// The pictures the file dialogs show of a file, and the fitting they share with the
// picture of a DC.

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

class TTechFilesDialog;

// Stretch-copies the whole bitmap selected into source into dc, scaled with its
// proportions kept (up as well as down) until it fills rect in one direction, and
// centred in the other. Nothing for a source without a bitmap.
void StretchPictureInto(gdi::DeviceContext& dc, const gdi::DeviceContext& source, const gdi::Rect& rect);

// The sketch in the .bmp or .ilj file under the selection, fitted into the pane; a file
// that is no sketch leaves the pane as it is.
void SketchFilePreview(TTechFilesDialog& dialog, gdi::DeviceContext& dc, const gdi::Rect& rect);

// The block or instrument in the file under the selection on white, shrunk to fit and
// centred, with its anchor; a file that is no block leaves the pane white.
void BlockFilePreview(TTechFilesDialog& dialog, gdi::DeviceContext& dc, const gdi::Rect& rect);

// The colour of a block's lines in the preview.
inline constexpr gdi::COLORREF BlockPreviewColor = 0x000000;
