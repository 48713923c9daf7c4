#include "document/IljFile.h"

#include "document/DibHeader.h"
#include "document/FileErrors.h"
#include "document/PackedDib.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

namespace {

// Enough for the longest information header and the masks that may follow it.
constexpr size_t HeaderPrefix = 124 + 16;

class Inflater {
  public:
    explicit Inflater(std::span<const uint8_t> input) {
        if (input.size() > std::numeric_limits<uInt>::max()) throw SketchFileError("файл слишком велик");
        m_stream.next_in = const_cast<Bytef*>(input.data());
        m_stream.avail_in = uInt(input.size());
        if (inflateInit(&m_stream) != Z_OK) throw DecompressionError();
    }
    ~Inflater() { inflateEnd(&m_stream); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // Fills out as far as the stream goes; returns the bytes written. Sets ended when
    // the stream is complete. A damaged or cut-off stream throws.
    size_t fill(uint8_t* out, size_t capacity) {
        m_stream.next_out = out;
        m_stream.avail_out = uInt(capacity);
        while (!m_ended && m_stream.avail_out > 0) {
            const int rc = inflate(&m_stream, Z_NO_FLUSH);
            if (rc == Z_STREAM_END)
                m_ended = true;
            else if (rc != Z_OK)
                throw DecompressionError();
            else if (m_stream.avail_in == 0 && m_stream.avail_out > 0)
                throw DecompressionError(); // the input ends before the stream does
        }
        return capacity - m_stream.avail_out;
    }
    bool ended() const { return m_ended; }

  private:
    z_stream m_stream{};
    bool m_ended = false;
};

} // namespace

std::vector<uint8_t> InflateIljBlock(std::span<const uint8_t> file) {
    Inflater inflater(file);
    std::vector<uint8_t> block(HeaderPrefix);
    size_t got = inflater.fill(block.data(), block.size());
    // The header says how large the whole block is; nothing beyond that is inflated.
    const size_t implied = ImpliedDibSize(std::span(block).first(got));
    if (implied < got) throw SketchFileError("распакованные данные длиннее, чем указано в заголовке");
    // The buffer grows with what the stream really yields, so that a short stream with a
    // large header does not take the memory its header claims.
    size_t capacity = std::min(implied, std::max<size_t>(file.size() * 32, 64 * 1024));
    while (true) {
        block.resize(capacity);
        got += inflater.fill(block.data() + got, capacity - got);
        if (inflater.ended() || capacity == implied) break;
        capacity = std::min(implied, capacity * 2);
    }
    if (!inflater.ended()) {
        uint8_t extra;
        if (inflater.fill(&extra, 1) != 0)
            throw SketchFileError("распакованные данные длиннее, чем указано в заголовке");
    }
    block.resize(got);
    return block;
}

gdi::BitmapPtr ReadIljImage(std::span<const uint8_t> file) {
    return UnpackBitmapOrThrow(InflateIljBlock(file));
}

std::vector<uint8_t> EncodeIljImage(const gdi::BitmapPtr& bitmap, int level) {
    const TPackedDib block = PackBitmap(bitmap);
    if (block.empty()) throw SketchFileError("рисунок пуст или не упаковывается");
    uLongf length = compressBound(uLong(block.size()));
    std::vector<uint8_t> file(length);
    if (compress2(file.data(), &length, block.data(), uLong(block.size()), level) != Z_OK)
        throw SketchFileError("не удалось сжать рисунок");
    file.resize(length);
    return file;
}
