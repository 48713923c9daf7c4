#include "../document/SketchTestSupport.h"
#include "blocks/BlockObject.h"
#include "document/Bytes.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>

using testing_support::readFile;
using testing_support::TempFolder;
using testing_support::writeFile;

namespace {

// A file put together field by field, so that it can lie.
std::vector<uint8_t> blockFile(int32_t n, int32_t m, const std::vector<float>& coordinates,
                               const std::vector<int32_t>& ends, uint32_t headerSize = 12) {
    std::vector<uint8_t> out;
    bytes::put32(out, 0x13B13B13);
    bytes::put32(out, 20 + 8 * uint32_t(n) + 12 * uint32_t(m));
    bytes::put32(out, headerSize);
    bytes::put32(out, uint32_t(n));
    bytes::put32(out, uint32_t(m));
    for (float c : coordinates)
        bytes::put32(out, std::bit_cast<uint32_t>(c));
    for (size_t i = 0; i + 1 < ends.size(); i += 2) {
        bytes::put32(out, uint32_t(ends[i]));
        bytes::put32(out, uint32_t(ends[i + 1]));
        out.insert(out.end(), {2, 3, 0xAA, 0x55}); // the reserved bytes are never read
    }
    return out;
}

// A block the tests expect to find refused, with something in it beforehand.
TBlockObject loaded() {
    TBlockObject block;
    block.AddPoint({1, 2});
    block.AddPoint({3, 4});
    block.AddSegment(0, 1, 0, 1);
    return block;
}

void expectRefused(const std::vector<uint8_t>& data, const char* what) {
    TBlockObject block = loaded();
    EXPECT_FALSE(block.LoadFromBytes(data)) << what;
    EXPECT_EQ(block.PointCount(), 0) << what;
    EXPECT_EQ(block.SegmentCount(), 0) << what;
    EXPECT_EQ(block.GetAnchor(), (TBlockPoint{0, 0})) << what;
    EXPECT_FALSE(block.AnchorSet()) << what;
}

TEST(BlockFile, SmallBlockIsWrittenByteForByte) {
    TBlockObject block;
    block.AddPoint({10, 20});
    block.AddPoint({13.5f, 16});
    block.AddSegment(1, 0, 3, 2);
    const std::vector<uint8_t> expected = {
        0x13, 0x3B, 0xB1, 0x13,                               // magic
        48,   0,    0,    0,                                  // 20 + 8 * 2 + 12 * 1
        12,   0,    0,    0,                                  // header size
        2,    0,    0,    0,                                  // points
        1,    0,    0,    0,                                  // segments
        0,    0,    0,    0,    0, 0, 0,    0,                // (0, 0): the anchor's own point
        0,    0,    0x60, 0x40, 0, 0, 0x80, 0xC0,             // (3.5, -4)
        1,    0,    0,    0,    0, 0, 0,    0,    3, 2, 0, 0, // 1 -> 0, dash-dot, 2 wide, reserved zero
    };
    EXPECT_EQ(block.SaveToBytes(), expected);

    TempFolder folder;
    block.SaveToFile(folder.path("small.blk"));
    EXPECT_EQ(readFile(folder.path("small.blk")), expected);
    // Saving again over an existing file replaces it.
    block.DeleteSegment(0);
    block.SaveToFile(folder.path("small.blk"));
    EXPECT_EQ(readFile(folder.path("small.blk")).size(), 36u);
}

TEST(BlockFile, SavedBlockReadsBackAnchoredAtTheOrigin) {
    TBlockObject block;
    block.AddPoint({100, 50});
    block.AddPoint({130, 10});
    block.AddPoint({90.25f, 70});
    block.AddSegment(0, 1, 0, 1);
    block.AddSegment(1, 2, 4, 7);
    block.MoveBy(5, 5); // the anchor is not stored, so this move is lost
    TempFolder folder;
    block.SaveToFile(folder.path("tool.ins"));

    TBlockObject read;
    ASSERT_TRUE(read.LoadFromFile(folder.path("tool.ins")));
    EXPECT_EQ(read.GetAnchor(), (TBlockPoint{0, 0}));
    EXPECT_EQ(read.Points(), block.Points());
    EXPECT_EQ(read.Segments(), block.Segments());
    TBlockPoint p;
    read.GetPoint(0, p);
    EXPECT_EQ(p, (TBlockPoint{0, 0}));
    read.GetPoint(1, p);
    EXPECT_EQ(p, (TBlockPoint{30, -40}));
    EXPECT_EQ(read.SaveToBytes(), block.SaveToBytes());
}

TEST(BlockFile, HeaderDecidesWhatIsABlockFile) {
    TBlockObject block;
    EXPECT_TRUE(block.LoadFromBytes(blockFile(0, 0, {}, {})));
    EXPECT_EQ(block.PointCount(), 0);

    expectRefused(blockFile(0, 0, {}, {}, 16), "header size 16");
    std::vector<uint8_t> wrongMagic = blockFile(0, 0, {}, {});
    wrongMagic[3] = 0x14;
    expectRefused(wrongMagic, "magic");
    expectRefused({}, "empty file");
    expectRefused({0x13, 0x3B, 0xB1, 0x13, 20, 0, 0}, "shorter than the first read");

    // The file size field is not consulted, and bytes after the segments are ignored.
    std::vector<uint8_t> lyingSize = blockFile(1, 0, {4, 5}, {});
    lyingSize[4] = 0xFF;
    lyingSize.push_back(0x77);
    ASSERT_TRUE(block.LoadFromBytes(lyingSize));
    EXPECT_EQ(block.Points(), (std::vector<TBlockPoint>{{4, 5}}));

    TempFolder folder;
    EXPECT_FALSE(block.LoadFromFile(folder.path("missing.blk")));
    EXPECT_EQ(block.PointCount(), 0);
    EXPECT_FALSE(block.LoadFromFile(folder.path("")));
    writeFile(folder.path("empty.blk"), blockFile(0, 0, {}, {}));
    EXPECT_TRUE(block.LoadFromFile(folder.path("empty.blk")));
}

TEST(BlockFile, HostileFilesAreRefusedAndLeaveTheBlockEmpty) {
    const std::vector<uint8_t> good = blockFile(3, 2, {0, 0, 5, 5, -3, 8}, {0, 1, 2, 1});
    {
        TBlockObject block;
        ASSERT_TRUE(block.LoadFromBytes(good));
        ASSERT_EQ(block.SegmentCount(), 2);
        EXPECT_EQ(block.Segments()[1], (TBlockSegment{2, 1, 2, 3}));
    }
    for (size_t length = 0; length < good.size(); ++length) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + std::ptrdiff_t(length));
        expectRefused(cut, ("truncated to " + std::to_string(length)).c_str());
    }

    expectRefused(blockFile(4, 2, {0, 0, 5, 5, -3, 8}, {0, 1, 2, 1}), "one point more than there is");
    expectRefused(blockFile(3, 3, {0, 0, 5, 5, -3, 8}, {0, 1, 2, 1}), "one segment more than there is");
    expectRefused(blockFile(3, 2, {0, 0, 5, 5, -3, 8}, {0, 1, 2, 3}), "segment to point 3 of 3");
    expectRefused(blockFile(3, 2, {0, 0, 5, 5, -3, 8}, {-1, 1, 2, 1}), "segment from point -1");
    expectRefused(blockFile(0, 1, {}, {0, 0}), "segment without points");
    expectRefused(blockFile(-1, 0, {}, {}), "negative point count");
    expectRefused(blockFile(0, -5, {}, {}), "negative segment count");
    expectRefused(blockFile(2, 0, {0, 0, NAN, 1}, {}), "a point at no place");
    expectRefused(blockFile(2, 0, {0, 0, 1, -INFINITY}, {}), "a point at infinity");

    // Counts past the bound are refused before the data is looked at; counts at it
    // still need the data they announce.
    expectRefused(blockFile(MaxBlockPoints + 1, 0, {}, {}), "too many points");
    expectRefused(blockFile(0, MaxBlockSegments + 1, {}, {}), "too many segments");
    expectRefused(blockFile(0x7FFFFFFF, 0x7FFFFFFF, {}, {}), "counts at the top of the range");
    expectRefused(blockFile(MaxBlockPoints, MaxBlockSegments, {0, 0}, {0, 0}), "counts at the bound");

    std::vector<float> many(size_t(2 * MaxBlockPoints), 1.0f);
    std::vector<int32_t> ends(size_t(2 * 3), MaxBlockPoints - 1);
    TBlockObject large;
    EXPECT_TRUE(large.LoadFromBytes(blockFile(MaxBlockPoints, 3, many, ends)));
    EXPECT_EQ(large.PointCount(), MaxBlockPoints);
    large.RemoveUnusedPoints(); // one pass, however many points go
    EXPECT_EQ(large.PointCount(), 1);
    EXPECT_EQ(large.Segments()[2], (TBlockSegment{0, 0, 2, 3}));
}

TEST(BlockFile, UnwritableFileIsPassedOverSilently) {
    TempFolder folder;
    TBlockObject block = loaded();
    const std::string path = folder.path("no-such-folder/block.blk");
    block.SaveToFile(path);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(block.PointCount(), 2);
}

} // namespace
