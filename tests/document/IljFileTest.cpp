#include "document/IljFile.h"
#include "SketchTestSupport.h"
#include "document/FileErrors.h"
#include "document/PackedDib.h"

#include <gtest/gtest.h>
#include <zlib.h>

using namespace testing_support;

namespace {

std::vector<uint8_t> deflateBytes(const std::vector<uint8_t>& data, int level = 9) {
    uLongf length = compressBound(uLong(data.size()));
    std::vector<uint8_t> out(length);
    EXPECT_EQ(compress2(out.data(), &length, data.data(), uLong(data.size()), level), Z_OK);
    out.resize(length);
    return out;
}

std::vector<uint8_t> inflateBytes(const std::vector<uint8_t>& data, size_t size) {
    std::vector<uint8_t> out(size);
    uLongf length = uLongf(size);
    EXPECT_EQ(uncompress(out.data(), &length, data.data(), uLong(data.size())), Z_OK);
    out.resize(length);
    return out;
}

// The 40-byte header and table of a sketch of the given size, with no pixels.
TPackedDib headerOnly(int32_t width, int32_t height) {
    TPackedDib block = PackBitmap(patternSketch(1, 1));
    block.resize(104);
    for (int i = 0; i < 4; ++i) {
        block[4 + i] = uint8_t(uint32_t(width) >> (8 * i));
        block[8 + i] = uint8_t(uint32_t(height) >> (8 * i));
    }
    return block;
}

} // namespace

TEST(IljFile, WrittenFileIsOneZlibStreamOfThePackedBlock) {
    const gdi::BitmapPtr sketch = patternSketch(794, 1123, 3);
    const std::vector<uint8_t> file = EncodeIljImage(sketch);
    ASSERT_GE(file.size(), 6u);
    EXPECT_EQ(file[0] & 0x0F, 8); // deflate, RFC 1950 header
    EXPECT_EQ(((file[0] << 8) | file[1]) % 31, 0);
    const TPackedDib block = PackBitmap(sketch);
    EXPECT_EQ(inflateBytes(file, block.size() + 100), block); // nothing after the stream
    EXPECT_EQ(indices(*ReadIljImage(file)), indices(*sketch));
}

TEST(IljFile, ReadsStreamsOfOtherCompressionLevels) {
    for (int level : {0, 6, 9}) {
        const gdi::BitmapPtr sketch = patternSketch(33, 17, level);
        const gdi::BitmapPtr back = ReadIljImage(deflateBytes(PackBitmap(sketch), level));
        ASSERT_TRUE(back);
        EXPECT_EQ(indices(*back), indices(*sketch));
    }
}

TEST(IljFile, DamagedStreamsThrowError) {
    const std::vector<uint8_t> good = EncodeIljImage(patternSketch(40, 30));
    auto message = [](const std::vector<uint8_t>& file) -> std::string {
        try {
            ReadIljImage(file);
        } catch (const DecompressionError& e) {
            return e.what();
        } catch (const SketchFileError&) {
            return "refused";
        }
        return "read";
    };
    EXPECT_EQ(message({}), "error");
    EXPECT_EQ(message({good.begin(), good.begin() + long(good.size() / 2)}), "error");
    EXPECT_EQ(message({good.begin(), good.end() - 1}), "error"); // checksum cut
    std::vector<uint8_t> flipped = good;
    flipped[flipped.size() - 2] ^= 0x55; // checksum
    EXPECT_EQ(message(flipped), "error");
    EXPECT_EQ(message({0x78, 0x9C, 0xFF, 0xFF, 0xFF, 0xFF}), "error");
    // Every cut of a real stream is damaged, never read and never a crash.
    for (size_t length = 0; length < good.size(); ++length)
        EXPECT_EQ(message({good.begin(), good.begin() + long(length)}), "error") << length;
}

TEST(IljFile, InflationStopsAtTheSizeTheHeaderImplies) {
    // A 10 x 10 header followed by 100 MB of zeros: a few hundred kilobytes of file.
    TPackedDib bomb = headerOnly(10, 10);
    bomb.resize(100u << 20, 0);
    const std::vector<uint8_t> file = deflateBytes(bomb);
    ASSERT_LT(file.size(), 200000u);
    EXPECT_THROW(InflateIljBlock(file), SketchFileError);

    // A header that claims a sketch larger than any sane one is refused from its
    // first bytes.
    TPackedDib huge = headerOnly(30000, 30000);
    huge.resize(4096, 0);
    EXPECT_THROW(ReadIljImage(deflateBytes(huge)), SketchFileError);

    // A complete stream with fewer pixels than the header claims.
    TPackedDib shortBlock = PackBitmap(patternSketch(10, 10));
    shortBlock.resize(shortBlock.size() - 5);
    EXPECT_THROW(ReadIljImage(deflateBytes(shortBlock)), SketchFileError);

    // Exactly the implied size is fine, even for a block of a single pixel that is
    // shorter than the header prefix read first.
    const gdi::BitmapPtr one = patternSketch(1, 1, 9);
    EXPECT_EQ(indices(*ReadIljImage(deflateBytes(PackBitmap(one)))), indices(*one));
    // One byte too many is not.
    TPackedDib longer = PackBitmap(one);
    longer.push_back(0);
    EXPECT_THROW(ReadIljImage(deflateBytes(longer)), SketchFileError);
}
