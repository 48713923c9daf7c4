#include "SketchTestSupport.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace testing_support {

gdi::BitmapPtr patternSketch(int32_t width, int32_t height, int seed) {
    gdi::BitmapPtr bm = CreateSketchDib(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            bm->setPixel(x, y, uint32_t(x * 7 + y * 3 + seed) % 16);
    return bm;
}

std::vector<uint8_t> indices(const gdi::Bitmap& bitmap) {
    std::vector<uint8_t> out;
    for (int32_t y = 0; y < bitmap.height(); ++y)
        for (int32_t x = 0; x < bitmap.width(); ++x)
            out.push_back(uint8_t(bitmap.pixel(x, y)));
    return out;
}

std::string fixture(const std::string& name) {
    return std::string(TEST_DATA_DIR) + "/bmp/" + name;
}

ExpectedPicture readExpected(const std::string& name) {
    std::ifstream in(fixture(name + ".idx"));
    if (!in) throw std::runtime_error("no fixture " + name);
    ExpectedPicture p;
    in >> p.width >> p.height;
    int v;
    while (in >> v)
        p.indices.push_back(uint8_t(v));
    return p;
}

std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::vector<uint8_t>& data) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
}

TempFolder::TempFolder() {
    std::random_device rd;
    m_path = std::filesystem::temp_directory_path() / ("verigraf-test-" + std::to_string(rd()));
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

namespace {
void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}
} // namespace

std::vector<uint8_t> BmpBuilder::build() const {
    std::vector<uint8_t> dib;
    put32(dib, headerSize);
    if (headerSize == 12) {
        put16(dib, uint32_t(width));
        put16(dib, uint32_t(height));
        put16(dib, 1);
        put16(dib, bitCount);
    } else {
        put32(dib, uint32_t(width));
        put32(dib, uint32_t(height));
        put16(dib, 1);
        put16(dib, bitCount);
        put32(dib, compression);
        put32(dib, sizeImage);
        put32(dib, 3782);
        put32(dib, 3782);
        put32(dib, colorsUsed);
        put32(dib, 0);
        for (size_t i = 0; headerSize > 40 && i < masks.size() && dib.size() < headerSize; ++i)
            put32(dib, masks[i]);
        dib.resize(headerSize, 0);
        if (headerSize == 40)
            for (uint32_t m : masks)
                put32(dib, m);
    }
    for (uint32_t c : colorTable) {
        dib.push_back(uint8_t(c));
        dib.push_back(uint8_t(c >> 8));
        dib.push_back(uint8_t(c >> 16));
        if (headerSize != 12) dib.push_back(0);
    }
    dib.insert(dib.end(), gap.begin(), gap.end());
    std::vector<uint8_t> file{'B', 'M'};
    put32(file, uint32_t(14 + dib.size() + pixels.size()));
    put32(file, 0);
    put32(file, pixelOffset >= 0 ? uint32_t(pixelOffset) : uint32_t(14 + dib.size()));
    file.insert(file.end(), dib.begin(), dib.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

} // namespace testing_support
