#pragma once
// Sketch files by their extension: ".bmp" (Windows bitmap) and ".ilj" (compressed
// sketch), in any mix of capitals.

#include "gdi/Bitmap.h"

#include <string>

enum class TSketchFormat { None, Bmp, Ilj };

TSketchFormat SketchFormatOf(const std::string& path);

// The sketch in a file, or none when the extension is neither, the file is missing or
// it is not a sketch we can take. A damaged compressed stream throws
// DecompressionError.
gdi::BitmapPtr LoadSketchImage(const std::string& path);

// As LoadSketchImage, but a file that cannot be taken throws SketchFileError saying why.
gdi::BitmapPtr ReadSketchFile(const std::string& path);

// Writes the bitmap in the format of the path's extension, replacing any file there
// only once the new one is complete. Throws SketchFileError saying why it failed.
void SaveSketchImage(const gdi::BitmapPtr& bitmap, const std::string& path);
