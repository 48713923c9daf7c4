#pragma once
// How each command of the program sets up its file dialog: file types, the type shown
// first, the default extension, the starting folder and the preview. The caller
// executes the dialog and acts on a true result.

#include "gdi/DeviceContext.h"
#include "tools/transform/TechFilesDialog.h"

#include <QString>

// Sketches: all formats, Windows bitmaps, compressed sketches.
QString SketchOpenFilter();
// Sketches to write: Windows bitmaps, compressed sketches.
QString SketchSaveFilter();

enum class TBlockFileKind { Block, Instrument };
QString BlockFilter(TBlockFileKind kind);
// "blk" or "ins".
QString BlockExtension(TBlockFileKind kind);

// Opening a sketch: bitmaps shown first, with a picture of the sketch under the selection.
void ConfigureSketchOpenDialog(TTechOpenDialog& dialog, const QString& sketchesDir);
// Saving the sketch under a name: the sketch itself (the bitmap in docDC) in the pane.
void ConfigureSketchSaveDialog(TTechSaveDialog& dialog, const QString& sketchesDir,
                               gdi::DeviceContext* docDC);
// Loading a fragment: all sketch formats shown first, with the sketch preview.
void ConfigureFragmentLoadDialog(TTechOpenDialog& dialog, const QString& sketchesDir);
// Saving a fragment: as saving a sketch, without a picture.
void ConfigureFragmentSaveDialog(TTechSaveDialog& dialog, const QString& sketchesDir);
// Loading a block or instrument from its folder, with a picture of the block.
void ConfigureBlockLoadDialog(TTechOpenDialog& dialog, TBlockFileKind kind, const QString& folder);
// Saving a block or instrument into its folder.
void ConfigureBlockSaveDialog(TTechSaveDialog& dialog, TBlockFileKind kind, const QString& folder);
