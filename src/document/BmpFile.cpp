#include "document/BmpFile.h"

#include "document/Bytes.h"
#include "document/FileErrors.h"
#include "document/PackedDib.h"

namespace {

constexpr size_t FileHeaderSize = 14;
constexpr uint16_t BitmapSignature = 0x4D42; // "BM"

bool holdsPixels(const TDibDescription& d, size_t available) {
    if (d.isRle()) return d.sizeImage != 0 ? d.sizeImage <= available : available > 0;
    return available / d.stride() >= size_t(d.absHeight());
}

} // namespace

gdi::BitmapPtr ReadBmpImage(std::span<const uint8_t> file) {
    if (!bytes::fits(file, 0, FileHeaderSize))
        throw SketchFileError("файл короче заголовка точечного рисунка");
    if (bytes::u16(file, 0) != BitmapSignature)
        throw SketchFileError("это не точечный рисунок Windows (нет подписи BM)");
    const std::span<const uint8_t> dib = file.subspan(FileHeaderSize);

    // Where the file header says the pixels begin. Writers that leave unused colours out
    // of the table without saying so rely on it; when it points nowhere sensible the
    // pixels are taken to follow the colour table directly.
    const uint32_t pixelOffset = bytes::u32(file, 10);
    std::optional<size_t> stated;
    if (pixelOffset >= FileHeaderSize && pixelOffset <= file.size()) stated = pixelOffset - FileHeaderSize;

    const TDibDescription d = ParseDibDescription(dib, stated);
    size_t pixelsAt = d.tableEnd;
    if (stated && *stated >= d.tableEnd && holdsPixels(d, dib.size() - *stated)) pixelsAt = *stated;
    return DibToSketch(d, dib.subspan(pixelsAt));
}

std::vector<uint8_t> EncodeBmpImage(const gdi::BitmapPtr& bitmap) {
    const TPackedDib block = PackBitmap(bitmap);
    if (block.empty()) throw SketchFileError("рисунок пуст или не упаковывается");
    const uint32_t colors = ColorCountForBits(bitmap->bitsPerPixel());
    std::vector<uint8_t> file;
    file.reserve(FileHeaderSize + block.size());
    bytes::put16(file, BitmapSignature);
    bytes::put32(file, uint32_t(FileHeaderSize + block.size()));
    bytes::put16(file, 0);
    bytes::put16(file, 0);
    bytes::put32(file, uint32_t(FileHeaderSize + InfoHeaderSize + 4 * colors));
    file.insert(file.end(), block.begin(), block.end());
    return file;
}
