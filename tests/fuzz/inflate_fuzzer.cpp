// InflateBytes on arbitrary bytes: it either throws GraphicsError("Error") or returns bytes that deflate
// and inflate back to themselves. A second run with a small cap must fail exactly when the output is
// larger than the cap.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "graphics/inflate.h"
#include "graphics/picture.h"

using velpiners::graphics::DeflateBytes;
using velpiners::graphics::GraphicsError;
using velpiners::graphics::InflateBytes;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> out;
    try {
        out = InflateBytes(data, size);
    } catch (const GraphicsError& e) {
        if (std::strcmp(e.what(), "Error") != 0) std::abort();
        return 0;
    }
    const std::vector<std::uint8_t> packed = DeflateBytes(out.data(), out.size());
    if (InflateBytes(packed.data(), packed.size()) != out) std::abort();

    const std::size_t cap = 1000;
    bool capped = false;
    try {
        if (InflateBytes(data, size, cap) != out) std::abort();
    } catch (const GraphicsError&) {
        capped = true;
    }
    if (capped != (out.size() > cap)) std::abort();
    return 0;
}
