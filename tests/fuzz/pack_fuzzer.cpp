// TATBitmap::LoadFromMemory on arbitrary bytes: it adds entries and may then throw GraphicsError; every
// entry it keeps is a 32-bit picture within the entry cap, all of them within the collection's budget, and
// lookups agree with the entries. Any other exception, crash or sanitizer report is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "graphics/picture_pack.h"

using velpiners::graphics::GraphicsError;
using velpiners::graphics::kMaxCollectionPixelBytes;
using velpiners::graphics::kMaxPackEntrySide;
using velpiners::graphics::TATBitmap;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TATBitmap icons;
    try {
        icons.LoadFromMemory(data, size);
    } catch (const GraphicsError&) {}
    std::uint64_t pixelBytes = 0;
    for (int i = 0; i < icons.Count(); ++i) {
        const auto& entry = icons.Items(i);
        if (entry.bitmap.BitsPerPixel() != 32) std::abort();
        if (entry.bitmap.Width() > kMaxPackEntrySide || entry.bitmap.Height() > kMaxPackEntrySide) std::abort();
        pixelBytes +=
            static_cast<std::uint64_t>(entry.bitmap.Stride()) * static_cast<std::uint64_t>(entry.bitmap.Height());
        const int found = icons.IndexOf(entry.number);
        if (found < i || icons.Items(found).number != entry.number) std::abort();
    }
    if (pixelBytes > kMaxCollectionPixelBytes) std::abort();
    return 0;
}
