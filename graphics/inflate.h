// zlib streams (header and Adler-32 checked), as the compressed bitmap resources and pack entries
// hold them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/picture.h"

namespace velpiners::graphics {

inline constexpr std::size_t kMaxInflatedBytes = 256u * 1024u * 1024u;

// Thrown when the output would pass the limit. Its text is "Error" like every other inflate failure; the
// type lets a caller with a size cap of its own tell an oversized stream from a damaged one.
class InflateLimitError : public GraphicsError {
public:
    InflateLimitError() : GraphicsError("Error") {}
};

// Inflates one whole zlib stream. The output buffer starts at the input length rounded up to 256 bytes
// and grows by that amount while the stream has not ended; it never exceeds kMaxInflatedBytes.
// Throws GraphicsError("Error") when the stream does not inflate, InflateLimitError when it would inflate
// past the cap.
std::vector<std::uint8_t> InflateBytes(const std::uint8_t* data, std::size_t size);
// The same with a smaller cap than kMaxInflatedBytes (a caller that knows its output is small).
std::vector<std::uint8_t> InflateBytes(const std::uint8_t* data, std::size_t size, std::size_t limit);

// One zlib stream inflated a part at a time, for a reader that learns from the first bytes how many it
// needs: it stops the stream there instead of inflating all of it. The output grows as InflateBytes grows it.
class PartialInflater {
public:
    // Throws GraphicsError("Error") for input InflateBytes refuses before inflating anything.
    PartialInflater(const std::uint8_t* data, std::size_t size);
    ~PartialInflater();
    PartialInflater(const PartialInflater&) = delete;
    PartialInflater& operator=(const PartialInflater&) = delete;

    // Appends to `out` (what the earlier calls gave, or empty) until it holds `limit` bytes (at most
    // kMaxInflatedBytes) or the stream ends. True once the stream has ended and its Adler-32 matched; false
    // when `out` is full and the stream goes on. Throws GraphicsError("Error") on a damaged stream.
    bool InflateUpTo(std::vector<std::uint8_t>& out, std::size_t limit);

private:
    struct State;  // keeps zlib's declarations out of this header
    std::unique_ptr<State> m_state;
    std::size_t m_step = 0;
    bool m_ended = false;
};

// Replaces the buffer's content by its inflated content (the stream form the loaders use).
void InflateStream(std::vector<std::uint8_t>& stream);

// zlib stream at maximum compression (header 0x78 0xDA): for pack files and the build's resources.
std::vector<std::uint8_t> DeflateBytes(const std::uint8_t* data, std::size_t size);

}  // namespace velpiners::graphics
