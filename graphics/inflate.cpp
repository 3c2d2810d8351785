// zlib streams through zlib itself. Inflating grows the output in steps of the input length rounded up to
// 256 bytes and stops with "Error" at the limit (kMaxInflatedBytes), so a small hostile stream cannot make us
// allocate without bound; a stream that ends before its end marker is an error too, never a loop.
#include "graphics/inflate.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

namespace velpiners::graphics {
namespace {

constexpr std::size_t kGrowthUnit = 256;

[[noreturn]] void Fail() { throw GraphicsError("Error"); }

}  // namespace

// Ends the inflate state on every way out.
struct PartialInflater::State {
    State() {
        if (inflateInit(&stream) != Z_OK) Fail();
    }
    ~State() { inflateEnd(&stream); }
    State(const State&) = delete;
    State& operator=(const State&) = delete;

    z_stream stream{};
};

PartialInflater::PartialInflater(const std::uint8_t* data, std::size_t size) {
    // Two header bytes and the Adler-32 trailer at least; avail_in is 32 bits wide.
    if (data == nullptr || size < 6 || size > UINT_MAX) Fail();
    m_step = (size + kGrowthUnit - 1) / kGrowthUnit * kGrowthUnit;
    m_state = std::make_unique<State>();
    m_state->stream.next_in = const_cast<Bytef*>(data);  // zlib's API is not const-correct; it never writes the input
    m_state->stream.avail_in = static_cast<uInt>(size);
}

PartialInflater::~PartialInflater() = default;

bool PartialInflater::InflateUpTo(std::vector<std::uint8_t>& out, std::size_t limit) {
    if (m_ended) return true;
    limit = std::min(limit, kMaxInflatedBytes);
    z_stream& z = m_state->stream;
    std::size_t produced = out.size();
    for (;;) {
        if (produced >= limit) return false;
        const std::size_t grown = limit - produced > m_step ? produced + m_step : limit;
        // The buffer grows by the step, but its capacity doubles (never past the limit), so a high ratio
        // costs O(output) copying rather than one reallocation per step.
        if (grown > out.capacity()) out.reserve(std::min(limit, std::max(grown, 2 * out.capacity())));
        out.resize(grown);
        const std::size_t room = grown - produced;
        z.next_out = out.data() + produced;
        z.avail_out = static_cast<uInt>(room < UINT_MAX ? room : UINT_MAX);
        const uInt before = z.avail_out;
        const int result = inflate(&z, Z_NO_FLUSH);
        produced += before - z.avail_out;
        // The spare capacity stays: callers decode the bytes and drop them, and trimming would copy them all.
        out.resize(produced);
        if (result == Z_STREAM_END) {
            m_ended = true;
            return true;
        }
        if (result != Z_OK && result != Z_BUF_ERROR) Fail();
        // Output room left but no end: the input ran out before the stream did (or nothing moved).
        if (z.avail_out != 0 && (z.avail_in == 0 || result == Z_BUF_ERROR)) Fail();
    }
}

std::vector<std::uint8_t> InflateBytes(const std::uint8_t* data, std::size_t size) {
    return InflateBytes(data, size, kMaxInflatedBytes);
}

std::vector<std::uint8_t> InflateBytes(const std::uint8_t* data, std::size_t size, std::size_t limit) {
    PartialInflater inflater(data, size);
    std::vector<std::uint8_t> out;
    if (!inflater.InflateUpTo(out, limit)) throw InflateLimitError();
    return out;
}

void InflateStream(std::vector<std::uint8_t>& stream) { stream = InflateBytes(stream.data(), stream.size()); }

std::vector<std::uint8_t> DeflateBytes(const std::uint8_t* data, std::size_t size) {
    // Nothing larger could be inflated again.
    if (size > kMaxInflatedBytes || (data == nullptr && size != 0)) Fail();
    static const std::uint8_t kNothing = 0;
    uLongf length = compressBound(static_cast<uLong>(size));
    std::vector<std::uint8_t> out(length);
    if (compress2(out.data(), &length, size == 0 ? &kNothing : data, static_cast<uLong>(size), Z_BEST_COMPRESSION) !=
        Z_OK)
        Fail();
    out.resize(length);
    return out;
}

}  // namespace velpiners::graphics
