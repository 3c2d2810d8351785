// Picture packs and the user icon collection. A pack is read entry by entry in table order, so a damaged
// entry leaves the ones before it in the collection. Every count, size and offset is checked against the
// file before it is used: nothing is allocated for a count or size the file cannot back. An entry's
// picture size is read from its BMP headers and held against the caps before it is decoded; a compressed
// entry is inflated as far as its headers first, and then only as far as they need, so a small file can
// neither pin much memory nor cost much inflating.
#include "graphics/picture_pack.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <utility>

#include "graphics/bmp.h"
#include "graphics/byte_order.h"
#include "graphics/inflate.h"

namespace velpiners::graphics {
namespace {

constexpr std::size_t kPackHeaderSize = 16;
constexpr std::size_t kPackRecordSize = 12;
constexpr std::size_t kCompressedFlagOffset = 12;
// A pack of icons this large is not one; refusing it keeps a stray huge file from being read whole.
constexpr std::uint64_t kMaxPackFileBytes = 256u * 1024u * 1024u;
constexpr std::uint64_t kCollectionBytesPerPixel = 4;  // every entry is held as 32 bits per pixel

[[noreturn]] void ReadError() { throw GraphicsError("Stream read error"); }

}  // namespace

void TATBitmap::Clear() {
    m_entries.clear();
    m_pixelBytes = 0;
}

namespace {

std::uint64_t ChargeOf(int width, int height) {
    const std::uint64_t bytes =
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) * kCollectionBytesPerPixel;
    return std::max(bytes, kMinEntryCharge);
}

}  // namespace

void TATBitmap::CheckRoomFor(int width, int height) const {
    if (width > kMaxPackEntrySide || height > kMaxPackEntrySide) ReadError();
    if (ChargeOf(width, height) > kMaxCollectionPixelBytes - m_pixelBytes) ReadError();
}

std::vector<std::uint8_t> TATBitmap::InflateEntry(const std::uint8_t* data, std::size_t size,
                                                  std::uint64_t budget) const {
    const std::size_t limit = static_cast<std::size_t>(std::min<std::uint64_t>(budget, kMaxPackEntryFileBytes));
    PartialInflater inflater(data, size);
    std::vector<std::uint8_t> file;
    const bool ended = inflater.InflateUpTo(file, std::min(kBmpHeadersBytes, limit));
    if (ended) return file;                           // the whole file: read as a plain entry is
    if (file.size() < kBmpHeadersBytes) ReadError();  // the pack's budget ends within the headers
    const BmpInfo headers = PeekBmpHeaders(file.data(), file.size());
    CheckRoomFor(headers.width, headers.height);
    if (headers.neededBytes < file.size()) ReadError();
    if (!inflater.InflateUpTo(file, static_cast<std::size_t>(std::min<std::uint64_t>(headers.neededBytes, limit))))
        ReadError();  // longer than its headers need, or past the pack's budget
    return file;
}

void TATBitmap::LoadFromMemory(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < kPackHeaderSize) ReadError();
    const std::int32_t count = ReadLe32Signed(data);
    const bool compressed = data[kCompressedFlagOffset] != 0;
    if (count < 0) ReadError();
    // The whole table must lie in the file before the first entry is read.
    const std::uint64_t dataStart = kPackHeaderSize + kPackRecordSize * static_cast<std::uint64_t>(count);
    if (dataStart > size) ReadError();

    std::uint64_t offset = dataStart;
    std::uint64_t inflatedBytes = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::uint8_t* record = data + kPackHeaderSize + kPackRecordSize * static_cast<std::size_t>(i);
        const std::int32_t entrySize = ReadLe32Signed(record + 4);
        const std::int32_t number = ReadLe32Signed(record + 8);
        if (entrySize < 0 || static_cast<std::uint64_t>(entrySize) > size - offset) ReadError();
        const std::uint8_t* bmp = data + offset;
        std::size_t bmpSize = static_cast<std::size_t>(entrySize);
        std::vector<std::uint8_t> inflated;
        if (compressed) {
            inflated = InflateEntry(bmp, bmpSize, kMaxPackInflatedBytes - inflatedBytes);
            inflatedBytes += inflated.size();
            bmp = inflated.data();
            bmpSize = inflated.size();
        }
        const BmpInfo info = PeekBmp(bmp, bmpSize);
        CheckRoomFor(info.width, info.height);
        // Bytes beyond what the headers need (padding before the rows, a tail) are never read: an entry
        // that carries them is refused, as a pack made of such entries costs far more to read than it holds.
        if (bmpSize > info.neededBytes) ReadError();
        AddBitmap(DecodeBmp(bmp, bmpSize), number);
        offset += static_cast<std::uint64_t>(entrySize);
    }
}

void TATBitmap::LoadFromFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) return;
    file.seekg(0, std::ios::end);
    const std::streamoff length = file.tellg();
    if (length < 0) return;
    if (static_cast<std::uint64_t>(length) > kMaxPackFileBytes) throw GraphicsError("Picture pack file is too large");
    file.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    if (!bytes.empty() && !file.read(reinterpret_cast<char*>(bytes.data()), length)) ReadError();
    LoadFromMemory(bytes.data(), bytes.size());
}

void TATBitmap::AddBitmap(const Picture& bitmap, std::int32_t number) {
    CheckRoomFor(bitmap.Width(), bitmap.Height());
    PackEntry entry;
    entry.number = number;
    entry.bitmap.Reset(bitmap.Width(), bitmap.Height(), 32);
    for (int y = 0; y < bitmap.Height(); ++y) {
        if (bitmap.BitsPerPixel() == 32) {
            std::memcpy(entry.bitmap.Row(y), bitmap.Row(y), bitmap.RowBytes());
            continue;
        }
        // Stored without alpha: the icon is opaque.
        const std::uint8_t* src = bitmap.Row(y);
        std::uint8_t* dst = entry.bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x, src += 3, dst += 4) {
            std::memcpy(dst, src, 3);
            dst[3] = 255;
        }
    }
    m_entries.push_back(std::move(entry));
    m_pixelBytes += ChargeOf(bitmap.Width(), bitmap.Height());
}

int TATBitmap::Count() const { return static_cast<int>(m_entries.size()); }

int TATBitmap::IndexOf(std::int32_t number) const {
    // From the last entry: an icon added later under the same number wins.
    for (int i = Count() - 1; i >= 0; --i)
        if (m_entries[static_cast<std::size_t>(i)].number == number) return i;
    return -1;
}

const PackEntry& TATBitmap::Items(int index) const {
    if (index < 0 || index >= Count()) throw GraphicsError("List index out of bounds (" + std::to_string(index) + ")");
    return m_entries[static_cast<std::size_t>(index)];
}

std::vector<std::uint8_t> BuildPack(const std::vector<PackSource>& entries, bool compressed) {
    std::vector<std::vector<std::uint8_t>> stored;
    stored.reserve(entries.size());
    for (const PackSource& source : entries)
        stored.push_back(compressed ? DeflateBytes(source.bmpFile.data(), source.bmpFile.size()) : source.bmpFile);

    std::vector<std::uint8_t> out;
    AppendLe32(out, static_cast<std::uint32_t>(entries.size()));
    AppendLe32(out, 0);
    AppendLe32(out, 0);
    out.push_back(compressed ? 1 : 0);
    out.insert(out.end(), 3, 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        AppendLe32(out, 0);
        AppendLe32(out, static_cast<std::uint32_t>(stored[i].size()));
        AppendLe32(out, static_cast<std::uint32_t>(entries[i].number));
    }
    for (const auto& data : stored) out.insert(out.end(), data.begin(), data.end());
    return out;
}

}  // namespace velpiners::graphics
