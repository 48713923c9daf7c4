#pragma once
// A block: points and straight segments between them, kept relative to an anchor about
// which the block is moved, turned and scaled, and stamped into sketches any number of
// times. Instrument sketches are blocks too; .blk and .ins files share one format.

#include "document/Geometry.h"
#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Blocks keep and store their points in single precision, as the tools work with them.
using TBlockPoint = TPointF;

// A segment between two points of the block, drawn with a pen of its own. The record is
// also the layout of a segment in the files.
struct TBlockSegment {
    int32_t First = 0;
    int32_t Second = 0;
    uint8_t Style = gdi::PS_SOLID; // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    uint8_t Width = 1;             // pixels
    friend bool operator==(const TBlockSegment&, const TBlockSegment&) = default;
};

inline constexpr uint32_t BlockFileMagic = 0x13B13B13;
inline constexpr uint32_t BlockFileHeaderSize = 12;
// Size of the fixed part of a file: magic, file size, then the header proper.
inline constexpr size_t BlockFileFixedBytes = 20;
inline constexpr size_t BlockFilePointBytes = 8;
inline constexpr size_t BlockFileSegmentBytes = 12;

// The most points and the most segments a file may announce. A block drawn by hand has
// some hundreds of either; a million keeps every count far from overflowing the sizes
// computed from it, and a file claiming more is not a block.
inline constexpr int32_t MaxBlockPoints = 1000000;
inline constexpr int32_t MaxBlockSegments = 1000000;

class TBlockObject {
  public:
    // Appends a point at the absolute position p. The first point of a block fixes the
    // anchor at p, so it is kept as (0, 0).
    int32_t AddPoint(TBlockPoint p);
    // -1 when either end is not a point of the block.
    int32_t AddSegment(int32_t first, int32_t second, uint8_t style, uint8_t width);
    // The first point whose absolute position is exactly p, or -1.
    int32_t FindPoint(TBlockPoint p) const;
    // The absolute position of point i; p is left alone for an index outside the block.
    void GetPoint(int32_t i, TBlockPoint& p) const;
    void SetPoint(int32_t i, TBlockPoint p);
    // Takes the segments through point k with it; later points and the segments that
    // name them are renumbered, so the rest of the drawing stays as it was.
    void DeletePoint(int32_t k);
    void DeleteSegment(int32_t k);
    void RemoveUnusedPoints();

    int32_t PointCount() const { return int32_t(m_points.size()); }
    int32_t SegmentCount() const { return int32_t(m_segments.size()); }
    // Stored points (relative to the anchor) and segments, in order.
    const std::vector<TBlockPoint>& Points() const { return m_points; }
    const std::vector<TBlockSegment>& Segments() const { return m_segments; }

    TBlockPoint GetAnchor() const { return m_anchor; }
    bool AnchorSet() const { return m_anchorSet; }
    // Moves the anchor to p while every point stays where it is; returns the old anchor.
    TBlockPoint SetAnchor(TBlockPoint p);
    // Moves the whole block.
    void MoveBy(float dx, float dy);
    // Turns the block about its anchor, clockwise on screen for a positive angle.
    void Rotate(float angle);
    void Scale(float sx, float sy);
    void Clear();

    // The segments in order, each with a pen of its own style and width in the colour,
    // over a transparent background; the DC's background mode, raster mode and pen are
    // put back afterwards.
    void DrawSegments(gdi::DeviceContext& dc, int rop2, gdi::COLORREF color) const;
    // A red dot of radius 3 on the anchor.
    void DrawAnchor(gdi::DeviceContext& dc, int rop2) const;

    // Shrinks the block, if it is too large, to fit the rectangle with a margin and
    // centres it there (previews and thumbnails). False, changing nothing, for a block
    // without extent in x or y, the origin counted in.
    bool FitInto(const gdi::Rect& rect);

    // Reads a block file; the block is then anchored at (0, 0). False, leaving the block
    // empty, for a missing file or anything that is not a whole, consistent block.
    bool LoadFromFile(const std::string& name);
    bool LoadFromBytes(std::span<const uint8_t> data);
    // Writes the block file; false when it cannot be written (the old file, if any, is
    // left whole), so that the user can be told and save the block elsewhere.
    bool SaveToFile(const std::string& name) const;
    std::vector<uint8_t> SaveToBytes() const;

  private:
    std::vector<TBlockPoint> m_points;
    std::vector<TBlockSegment> m_segments;
    bool m_anchorSet = false;
    TBlockPoint m_anchor;
};

// Whole pixels of a block coordinate, ties to even. Coordinates no sketch could reach are
// held at a bound far outside every bitmap, so that a block blown up by scaling still
// draws (nothing) instead of overflowing.
int32_t RoundBlockCoordinate(float v);
gdi::Point RoundBlockPoint(TBlockPoint p);
