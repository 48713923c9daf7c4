#include "gdi/SourceRows.h"

#include "gdi/ScreenCopy.h"

#include <algorithm>
#include <cstring>

namespace gdi {

namespace {

bool sameKind(const Bitmap& a, const Bitmap& b) {
    if (a.bitsPerPixel() != b.bitsPerPixel()) return false;
    // Monochrome bitmaps are plain bits whatever their colours: they are copied as they are.
    if (!a.isIndexed() || a.bitsPerPixel() == 1) return true;
    return a.colorTable() == b.colorTable();
}

uint32_t targetPixel(const Bitmap& target, COLORREF color) {
    return target.colorToPixel(color & 0xFFFFFF);
}

} // namespace

SourceRows::SourceRows(const Bitmap& source, const Rect& region, const Bitmap& target, COLORREF sourceBkColor,
                       COLORREF targetTextColor, COLORREF targetBkColor)
    : m_source(&source), m_region(region) {
    if (&source == &target) {
        // Copy the region so that writing the destination cannot change what is read.
        m_copy = source.createCompatible(region.width(), region.height());
        for (int32_t y = 0; y < region.height(); ++y) {
            if (source.isIndexed())
                std::memcpy(m_copy->indexRow(y), source.indexRow(region.top + y) + region.left,
                            size_t(region.width()));
            else
                std::memcpy(m_copy->rgbRow(y), source.rgbRow(region.top + y) + region.left,
                            size_t(region.width()) * 4);
        }
        m_source = m_copy.get();
        m_copyX = region.left;
        m_copyY = region.top;
        m_path = Path::Same;
        return;
    }
    if (sameKind(source, target)) {
        m_path = Path::Same;
    } else if (source.isIndexed()) {
        m_path = Path::Table;
        const auto& colors = source.colorTable();
        if (source.bitsPerPixel() == 1) {
            m_table[0] = targetPixel(target, targetTextColor);
            m_table[1] = targetPixel(target, targetBkColor);
        } else if (target.bitsPerPixel() == 1) {
            const COLORREF key = colors[nearestColorIndex(colors, sourceBkColor & 0xFFFFFF)];
            for (size_t i = 0; i < colors.size(); ++i)
                m_table[i] = colors[i] == key ? 1 : 0;
        } else {
            for (size_t i = 0; i < colors.size(); ++i)
                m_table[i] = targetPixel(target, colors[i]);
        }
    } else if (target.bitsPerPixel() == 1) {
        m_path = Path::MonoKey;
        m_monoKey = colorToRgbPixel(sourceBkColor & 0xFFFFFF);
    } else {
        m_path = Path::Matcher;
        m_matcher.emplace(target.colorTable());
    }
    if (target.isIndexed())
        m_indexRow.resize(size_t(std::max(region.width(), 0)));
    else
        m_rgbRow.resize(size_t(std::max(region.width(), 0)));
}

template <class T> void SourceRows::convert(const Bitmap& bm, int32_t y, int32_t x, int32_t n, T* out) {
    switch (m_path) {
    case Path::Same:
        if constexpr (sizeof(T) == 1)
            std::memcpy(out, bm.indexRow(y) + x, size_t(n));
        else
            std::memcpy(out, bm.rgbRow(y) + x, size_t(n) * 4);
        return;
    case Path::Table: {
        const uint8_t* in = bm.indexRow(y) + x;
        if constexpr (sizeof(T) == 4) {
            // The paint path's copy of the sketch onto the screen goes this way.
            lookupRow(out, in, n, m_table, bm.bitsPerPixel() <= 4);
        } else {
            for (int32_t i = 0; i < n; ++i)
                out[i] = T(m_table[in[i]]);
        }
        return;
    }
    case Path::MonoKey: {
        const uint32_t* in = bm.rgbRow(y) + x;
        for (int32_t i = 0; i < n; ++i)
            out[i] = T(in[i] == m_monoKey ? 1 : 0);
        return;
    }
    case Path::Matcher: {
        const uint32_t* in = bm.rgbRow(y) + x;
        for (int32_t i = 0; i < n; ++i)
            out[i] = T(m_matcher->nearest(rgbPixelToColor(in[i])));
        return;
    }
    }
}

template <class T> void SourceRows::read(int32_t y, int32_t x, int32_t n, T* out) {
    convert(*m_source, y - m_copyY, x - m_copyX, n, out);
}

template <class T> const T* SourceRows::row(int32_t y) {
    y -= m_copyY;
    const int32_t left = m_region.left - m_copyX;
    if (m_path == Path::Same) {
        if constexpr (sizeof(T) == 1)
            return m_source->indexRow(y) + left;
        else
            return m_source->rgbRow(y) + left;
    }
    if constexpr (sizeof(T) == 1) {
        convert(*m_source, y, left, m_region.width(), m_indexRow.data());
        return m_indexRow.data();
    } else {
        convert(*m_source, y, left, m_region.width(), m_rgbRow.data());
        return m_rgbRow.data();
    }
}

template void SourceRows::read<uint8_t>(int32_t, int32_t, int32_t, uint8_t*);
template void SourceRows::read<uint32_t>(int32_t, int32_t, int32_t, uint32_t*);
template const uint8_t* SourceRows::row<uint8_t>(int32_t);
template const uint32_t* SourceRows::row<uint32_t>(int32_t);

} // namespace gdi
