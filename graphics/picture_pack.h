// User icons: picture pack files (".vpi" in "pic\") and the collection TATBitmap that holds them.
//
// Pack file: count (int32), 8 unread bytes, compressed flag (byte), 3 unread bytes, then `count`
// 12-byte entries (unread int32, size int32, number int32), then the entries' data back to back.
// Every entry becomes a 32-bit picture whatever its stored depth.
//
// What a collection holds is bounded whatever its files say: an entry is at most kMaxPackEntrySide
// pixels either way, and all entries together at most kMaxCollectionPixelBytes of 32-bit pixels. Both
// are checked from the BMP headers before anything of the entry's size is allocated. What a pack costs to
// read is bounded too: an entry's file is no longer than its headers need, and the compressed entries of
// one pack inflate to at most kMaxPackInflatedBytes together.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/bmp.h"
#include "graphics/picture.h"

namespace velpiners::graphics {

// An entry wider or taller than this is refused.
inline constexpr int kMaxPackEntrySide = 256;
// 32-bit pixel bytes (width * height * 4, summed) of all the entries one collection holds, across every
// pack loaded into it: the entry that would pass it is refused.
inline constexpr std::uint64_t kMaxCollectionPixelBytes = 64u * 1024u * 1024u;
// Every entry counts as at least this many bytes against that sum, for its own bookkeeping, so a pack of
// millions of one-pixel entries is bounded as well: at most 65536 entries fit.
inline constexpr std::uint64_t kMinEntryCharge = 1024;
// Bytes that all compressed entries of one pack may inflate to: the entry that would pass it is refused
// as soon as its output does. Without it, 65536 small entries padded to the largest file below would
// cost gigabytes of inflating at every start.
inline constexpr std::uint64_t kMaxPackInflatedBytes = 64u * 1024u * 1024u;
// The largest BMP file an entry within kMaxPackEntrySide can be, as no entry's file may be longer than its
// headers need: a compressed entry never inflates to more.
inline constexpr std::size_t kMaxPackEntryFileBytes = LargestBmpFileSize(kMaxPackEntrySide, kMaxPackEntrySide);

struct PackEntry {
    Picture bitmap;  // always 32 bits per pixel
    std::int32_t number = 0;
};

class TATBitmap {
public:
    void Clear();
    // Adds every entry of a pack file image in table order. Entries added before a damaged entry stay;
    // the damage is then thrown as GraphicsError ("Stream read error" for a short file, and for an entry
    // over kMaxPackEntrySide or the collection's remaining room, one whose file is longer than its headers
    // need, or one that inflates past the pack's kMaxPackInflatedBytes).
    void LoadFromMemory(const std::uint8_t* data, std::size_t size);
    // Nothing when the file does not exist.
    void LoadFromFile(const std::string& path);
    // Copies the picture as 32 bits per pixel and appends it under `number`; a picture over either cap is
    // refused with "Stream read error" and the collection stays as it was.
    void AddBitmap(const Picture& bitmap, std::int32_t number);
    [[nodiscard]] int Count() const;
    // The last entry with this number, else -1.
    [[nodiscard]] int IndexOf(std::int32_t number) const;
    [[nodiscard]] const PackEntry& Items(int index) const;

private:
    // Throws "Stream read error" unless a width x height entry fits both caps.
    void CheckRoomFor(int width, int height) const;
    // The BMP file of a compressed entry, inflated no further than its headers need nor past `budget`
    // bytes; an entry over either, or over the caps its headers tell, is refused before the rest of it is
    // inflated.
    [[nodiscard]] std::vector<std::uint8_t> InflateEntry(const std::uint8_t* data, std::size_t size,
                                                         std::uint64_t budget) const;

    std::vector<PackEntry> m_entries;
    std::uint64_t m_pixelBytes = 0;  // 32-bit pixel bytes of every entry held
};

struct PackSource {
    std::int32_t number = 0;
    std::vector<std::uint8_t> bmpFile;  // a complete BMP file
};

// Builds a pack file image (unread fields written as 0).
std::vector<std::uint8_t> BuildPack(const std::vector<PackSource>& entries, bool compressed);

}  // namespace velpiners::graphics
