// User icons: picture pack files (".vpi" in "pic\") and the collection TATBitmap that holds them.
//
// Pack file: count (int32), 8 unread bytes, compressed flag (byte), 3 unread bytes, then `count`
// 12-byte entries (unread int32, size int32, number int32), then the entries' data back to back.
// Every entry becomes a 32-bit picture whatever its stored depth.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/picture.h"

namespace velpiners::graphics {

struct PackEntry {
  Picture bitmap;  // always 32 bits per pixel
  std::int32_t number = 0;
};

class TATBitmap {
 public:
  void Clear();
  // Adds every entry of a pack file image in table order. Entries added before a damaged entry stay;
  // the damage is then thrown as GraphicsError ("Stream read error" for a short file).
  void LoadFromMemory(const std::uint8_t* data, std::size_t size);
  // Nothing when the file does not exist.
  void LoadFromFile(const std::string& path);
  // Copies the picture as 32 bits per pixel and appends it under `number`.
  void AddBitmap(const Picture& bitmap, std::int32_t number);
  [[nodiscard]] int Count() const;
  // The last entry with this number, else -1.
  [[nodiscard]] int IndexOf(std::int32_t number) const;
  [[nodiscard]] const PackEntry& Items(int index) const;

 private:
  std::vector<PackEntry> m_entries;
};

struct PackSource {
  std::int32_t number = 0;
  std::vector<std::uint8_t> bmpFile;  // a complete BMP file
};

// Builds a pack file image (unread fields written as 0).
std::vector<std::uint8_t> BuildPack(const std::vector<PackSource>& entries, bool compressed);

}  // namespace velpiners::graphics
