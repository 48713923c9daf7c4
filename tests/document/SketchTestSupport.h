#pragma once
// Helpers shared by the document tests: sketches with known pixels, fixture files and
// hand-built bitmap files.

#include "document/SketchBitmap.h"
#include "gdi/Bitmap.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// A sketch whose pixel (x, y) has index (x * 7 + y * 3 + seed) mod 16.
gdi::BitmapPtr patternSketch(int32_t width, int32_t height, int seed = 0);

// Pixel indices row by row, top row first.
std::vector<uint8_t> indices(const gdi::Bitmap& bitmap);

// The expected indices of a fixture (NAME.idx): width, height, then the rows.
struct ExpectedPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> indices;
};
ExpectedPicture readExpected(const std::string& name);

std::string fixture(const std::string& name);
std::vector<uint8_t> readFile(const std::string& path);
void writeFile(const std::string& path, const std::vector<uint8_t>& data);

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string path(const std::string& name) const { return (m_path / name).string(); }

  private:
    std::filesystem::path m_path;
};

// A Windows bitmap file put together field by field, for the kinds no other program at
// hand writes and for lying files.
struct BmpBuilder {
    uint32_t headerSize = 40;
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> masks;      // after a 40-byte header, or inside a longer one
    std::vector<uint32_t> colorTable; // 0x00RRGGBB as stored (blue first)
    std::vector<uint8_t> pixels;
    int64_t pixelOffset = -1; // -1: where the pixels are
    std::vector<uint8_t> gap; // bytes between the table and the pixels

    std::vector<uint8_t> build() const;
};

} // namespace testing_support
