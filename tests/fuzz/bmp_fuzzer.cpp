// DecodeBmp on arbitrary bytes: it either throws GraphicsError or returns a picture that matches the
// header it reports and survives a write and a second read unchanged. PeekBmp must agree: the same error
// text, or the same header. PeekBmpHeaders on the first bytes, where the headers lie, may pass a file the
// whole of which fails, but otherwise agrees as well. Any other exception, crash or sanitizer report is a
// finding.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "graphics/bmp.h"

using velpiners::graphics::BmpInfo;
using velpiners::graphics::DecodeBmp;
using velpiners::graphics::EncodeBmp;
using velpiners::graphics::GraphicsError;
using velpiners::graphics::kBmpHeadersBytes;
using velpiners::graphics::PeekBmp;
using velpiners::graphics::PeekBmpHeaders;
using velpiners::graphics::Picture;

namespace {

bool SameInfo(const BmpInfo& a, const BmpInfo& b) {
    return a.width == b.width && a.height == b.height && a.bitsPerPixel == b.bitsPerPixel && a.topDown == b.topDown &&
           a.neededBytes == b.neededBytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BmpInfo peeked;
    std::string peekError;
    try {
        peeked = PeekBmp(data, size);
    } catch (const GraphicsError& e) {
        peekError = e.what();
    }
    BmpInfo headers;
    std::string headersError;
    try {
        headers = PeekBmpHeaders(data, std::min(size, kBmpHeadersBytes));
    } catch (const GraphicsError& e) {
        headersError = e.what();
    }
    if (!headersError.empty() && headersError != peekError) std::abort();
    if (headersError.empty() && peekError.empty() && !SameInfo(headers, peeked)) std::abort();

    Picture picture;
    BmpInfo info;
    try {
        picture = DecodeBmp(data, size, &info);
    } catch (const GraphicsError& e) {
        if (peekError != e.what()) std::abort();
        return 0;
    }
    if (!peekError.empty() || !SameInfo(peeked, info)) std::abort();
    if (picture.Width() != info.width || picture.Height() != info.height) std::abort();
    if (picture.BitsPerPixel() != (info.bitsPerPixel == 32 ? 32 : 24)) std::abort();

    const Picture again = DecodeBmp(EncodeBmp(picture));
    for (int y = 0; y < picture.Height(); ++y)
        if (std::memcmp(picture.Row(y), again.Row(y), picture.RowBytes()) != 0) std::abort();
    return 0;
}
