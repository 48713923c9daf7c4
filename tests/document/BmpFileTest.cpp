#include "document/BmpFile.h"
#include "SketchTestSupport.h"
#include "document/FileErrors.h"
#include "document/PackedDib.h"
#include "document/SketchFiles.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

std::vector<uint32_t> sketchTable(size_t count = 16) {
    std::vector<uint32_t> t;
    for (size_t i = 0; i < count; ++i) {
        const gdi::COLORREF c = SketchPalette[i % 16];
        t.push_back(uint32_t(gdi::GetRValue(c)) << 16 | uint32_t(gdi::GetGValue(c)) << 8 | gdi::GetBValue(c));
    }
    return t;
}

std::vector<uint8_t> readBmp(const std::vector<uint8_t>& file) {
    const gdi::BitmapPtr bm = ReadBmpImage(file);
    return indices(*bm);
}

void expectFixture(const std::string& file, const std::string& expected) {
    SCOPED_TRACE(file);
    const ExpectedPicture want = readExpected(expected);
    gdi::BitmapPtr bm;
    ASSERT_NO_THROW(bm = ReadSketchFile(fixture(file)));
    ASSERT_TRUE(bm);
    EXPECT_EQ(bm->bitsPerPixel(), 4);
    EXPECT_EQ(bm->colorTable(), SketchColorTable());
    EXPECT_EQ(bm->width(), want.width);
    EXPECT_EQ(bm->height(), want.height);
    EXPECT_EQ(indices(*bm), want.indices);
}

} // namespace

TEST(BmpFile, IndexedFilesOfAnotherProgram) {
    expectFixture("sixteen-4bit.bmp", "sixteen");
    expectFixture("sixteen-4bit-core.bmp", "sixteen");
    expectFixture("sixteen-8bit-rle.bmp", "sixteen");
    expectFixture("mixed-8bit-rle.bmp", "mixed");
}

TEST(BmpFile, ConvertedFilesOfAnotherProgram) {
    expectFixture("mixed-8bit.bmp", "mixed");
    expectFixture("mono-1bit.bmp", "mono");
    expectFixture("sixteen-24bit.bmp", "sixteen");
    expectFixture("sixteen-24bit-core.bmp", "sixteen");
    expectFixture("sixteen-24bit-v5.bmp", "sixteen");
    expectFixture("sixteen-16bit-565.bmp", "sixteen");
    expectFixture("sixteen-16bit-555.bmp", "sixteen");
    expectFixture("sixteen-32bit-v5.bmp", "sixteen");
    expectFixture("mixed-24bit.bmp", "mixed");
}

TEST(BmpFile, RunLengthEscapes) {
    BmpBuilder rle4;
    rle4.width = 7;
    rle4.height = 3;
    rle4.bitCount = 4;
    rle4.compression = 2;
    rle4.colorTable = sketchTable();
    rle4.pixels = {
        0x05, 0x12,                   // bottom row: run 1 2 1 2 1
        0x00, 0x03, 0x34, 0x50,       // literal 3 4 5; the 5 falls off the right edge
        0x00, 0x00,                   // end of row
        0x00, 0x02, 0x03, 0x00,       // jump three to the right
        0x02, 0xAB,                   // run A B
        0x00, 0x00,                   //
        0x00, 0x05, 0x9C, 0xDE, 0xF0, // literal 9 C D E F, padded to a whole word
        0x00,                         //
        0x00, 0x01,                   // end of picture
    };
    rle4.sizeImage = uint32_t(rle4.pixels.size());
    EXPECT_EQ(readBmp(rle4.build()), (std::vector<uint8_t>{9, 12, 13, 14, 15, 0, 0, //
                                                           0, 0,  0,  10, 11, 0, 0, //
                                                           1, 2,  1,  2,  1,  3, 4}));

    BmpBuilder rle8;
    rle8.width = 5;
    rle8.height = 2;
    rle8.bitCount = 8;
    rle8.compression = 1;
    rle8.colorsUsed = 16;
    rle8.colorTable = sketchTable();
    rle8.pixels = {0x03, 0x07, 0x00, 0x02, 0x01, 0x01, 0x01, 0x09, 0x00, 0x01};
    // Image size 0: the run data goes to the end of the file.
    EXPECT_EQ(readBmp(rle8.build()), (std::vector<uint8_t>{0, 0, 0, 0, 9, 7, 7, 7, 0, 0}));

    // A literal of odd length is padded to a whole word; the run after it starts after
    // the padding, in the middle of the row.
    rle8.width = 6;
    rle8.height = 1;
    rle8.pixels = {0x00, 0x03, 0x04, 0x05, 0x06, 0x0C, 0x02, 0x09, 0x01, 0x0A, 0x00, 0x01};
    EXPECT_EQ(readBmp(rle8.build()), (std::vector<uint8_t>{4, 5, 6, 9, 9, 10}));
    rle8.width = 5;
    rle8.height = 2;

    // Runs and jumps far past the edges stay inside the picture.
    rle8.pixels = {0xFF, 0x03, 0x00, 0x02, 0xFF, 0xFF, 0xFF, 0x04,
                   0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x06};
    EXPECT_EQ(readBmp(rle8.build()), (std::vector<uint8_t>{0, 0, 0, 0, 0, 3, 3, 3, 3, 3}));
}

TEST(BmpFile, TopDownRows) {
    BmpBuilder b;
    b.width = 3;
    b.height = -2;
    b.bitCount = 4;
    b.colorTable = sketchTable();
    b.pixels = {0x12, 0x30, 0, 0, 0x45, 0x60, 0, 0};
    EXPECT_EQ(readBmp(b.build()), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));

    BmpBuilder c;
    c.width = 2;
    c.height = -2;
    c.bitCount = 24;
    c.pixels = {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0, 0};
    EXPECT_EQ(readBmp(c.build()), (std::vector<uint8_t>{2, 5, 12, 15}));
}

TEST(BmpFile, BitFieldsInEveryHeaderVersion) {
    // Red and blue in 5-6-5.
    const std::vector<uint8_t> pixels = {0x00, 0xF8, 0x1F, 0x00};
    for (uint32_t headerSize : {40u, 52u, 56u, 108u, 124u}) {
        SCOPED_TRACE(headerSize);
        BmpBuilder b;
        b.headerSize = headerSize;
        b.width = 2;
        b.bitCount = 16;
        b.compression = 3;
        b.masks = {0xF800, 0x07E0, 0x001F};
        b.pixels = pixels;
        EXPECT_EQ(readBmp(b.build()), (std::vector<uint8_t>{2, 12}));
    }
    BmpBuilder plain16; // 5-5-5 when no masks are given
    plain16.width = 2;
    plain16.bitCount = 16;
    plain16.pixels = {0x00, 0x7C, 0xE0, 0x03};
    EXPECT_EQ(readBmp(plain16.build()), (std::vector<uint8_t>{2, 5}));
    BmpBuilder plain32;
    plain32.width = 2;
    plain32.bitCount = 32;
    plain32.pixels = {0x00, 0x00, 0xFF, 0x00, 0x80, 0x80, 0x80, 0x00};
    EXPECT_EQ(readBmp(plain32.build()), (std::vector<uint8_t>{2, 10}));
}

TEST(BmpFile, ColourTablesShorterThanTheDepth) {
    // Three colours used, said in the header.
    BmpBuilder b;
    b.width = 3;
    b.bitCount = 8;
    b.colorsUsed = 3;
    b.colorTable = {0xFFFFFF, 0xFF0000, 0x0000FF};
    b.pixels = {0, 1, 2, 0};
    EXPECT_EQ(readBmp(b.build()), (std::vector<uint8_t>{15, 2, 12}));
    // Two colours, said only by where the pixels begin.
    b.colorsUsed = 0;
    b.colorTable = {0xFFFFFF, 0x00FF00};
    b.pixels = {1, 0, 1, 0};
    EXPECT_EQ(readBmp(b.build()), (std::vector<uint8_t>{5, 15, 5}));
}

TEST(BmpFile, PixelOffsetOfTheFileHeader) {
    BmpBuilder b;
    b.width = 1;
    b.bitCount = 24;
    b.gap = std::vector<uint8_t>(10, 0xFF); // a writer's padding before the pixels
    b.pixels = {0xFF, 0x00, 0x00, 0x00};
    EXPECT_EQ(readBmp(b.build()), (std::vector<uint8_t>{12}));
    // An offset that points nowhere sensible: the pixels follow the table.
    b.gap.clear();
    b.pixelOffset = 0;
    EXPECT_EQ(readBmp(b.build()), (std::vector<uint8_t>{12}));
    b.pixelOffset = 100000;
    EXPECT_EQ(readBmp(b.build()), (std::vector<uint8_t>{12}));
}

TEST(BmpFile, WrittenLayoutIsFileHeaderAndPackedBlock) {
    const gdi::BitmapPtr sketch = patternSketch(794, 1123);
    const std::vector<uint8_t> file = EncodeBmpImage(sketch);
    const TPackedDib block = PackBitmap(sketch);
    ASSERT_EQ(file.size(), 14 + block.size());
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(file[2] | file[3] << 8 | file[4] << 16 | file[5] << 24, int(file.size()));
    EXPECT_EQ(file[6] | file[7] | file[8] | file[9], 0);
    EXPECT_EQ(file[10] | file[11] << 8 | file[12] << 16 | file[13] << 24, 118);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), file.begin() + 14));
    EXPECT_EQ(indices(*ReadBmpImage(file)), indices(*sketch));
}

TEST(BmpFile, HostileFilesAreRefused) {
    auto refused = [](const std::vector<uint8_t>& file) {
        try {
            ReadBmpImage(file);
        } catch (const SketchFileError&) {
            return true;
        }
        return false;
    };
    // Every cut of real files, compressed or not.
    for (const char* name :
         {"mixed-8bit.bmp", "mixed-8bit-rle.bmp", "sixteen-24bit-v5.bmp", "sixteen-4bit.bmp"}) {
        const std::vector<uint8_t> whole = readFile(fixture(name));
        for (size_t length = 0; length < whole.size(); ++length)
            EXPECT_TRUE(refused({whole.begin(), whole.begin() + long(length)}))
                << name << " cut at " << length;
    }
    std::vector<uint8_t> notBitmap = readFile(fixture("sixteen-4bit.bmp"));
    notBitmap[0] = 'P';
    EXPECT_TRUE(refused(notBitmap));

    BmpBuilder b;
    b.width = 2;
    b.pixels = std::vector<uint8_t>(8, 0);
    ASSERT_FALSE(refused(b.build()));
    auto lying = [&](auto change) {
        BmpBuilder l = b;
        change(l);
        return refused(l.build());
    };
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.width = 40000; }));
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.width = 30000, l.height = 30000; }));
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.width = 12000, l.height = 12000; })); // 432 MB of 24-bit rows
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.height = INT32_MIN; }));
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.width = -2; }));
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.height = 0; }));
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.height = 2; })); // one row short
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.bitCount = 2; }));
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.bitCount = 0; }));
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.headerSize = 64; }));
    std::vector<uint8_t> hugeHeader = b.build();
    hugeHeader[14] = hugeHeader[15] = hugeHeader[16] = hugeHeader[17] = 0xFF;
    EXPECT_TRUE(refused(hugeHeader));
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.compression = 7; }));
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.compression = 4; })); // JPEG inside
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.compression = 1; })); // RLE8 at 24 bits
    EXPECT_TRUE(lying([](BmpBuilder& l) {
        l.compression = 3, l.masks = {0xFF0000, 0xFF00, 0xFF};
    })); // at 24 bits
    auto masks = [&](uint16_t bits, std::vector<uint32_t> m) {
        BmpBuilder l = b;
        l.bitCount = bits;
        l.compression = 3;
        l.masks = std::move(m);
        return refused(l.build());
    };
    EXPECT_FALSE(masks(32, {0x3FF00000, 0x000FFC00, 0x000003FF})); // ten bits a channel
    EXPECT_FALSE(masks(16, {0xF800, 0, 0}));                       // a channel may be absent
    EXPECT_TRUE(masks(16, {0, 0, 0}));
    EXPECT_TRUE(masks(32, {0xFFFFFFFF, 0, 0}));       // one channel of 32 bits
    EXPECT_TRUE(masks(16, {0xF0F0, 0x0F00, 0x000F})); // broken run
    EXPECT_TRUE(masks(16, {0x1F0000, 0x07E0, 0x1F})); // outside the pixel
    EXPECT_TRUE(masks(16, {0xF800, 0x0FE0, 0x1F}));   // overlapping
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.bitCount = 8, l.colorsUsed = 0xFFFFFFFF, l.pixelOffset = 0; }));
    EXPECT_TRUE(lying([](BmpBuilder& l) {
        l.bitCount = 8, l.compression = 1, l.sizeImage = 1000; // more run data than the file holds
    }));
    EXPECT_TRUE(lying([](BmpBuilder& l) { l.bitCount = 8, l.compression = 1, l.height = -2; }));
}
