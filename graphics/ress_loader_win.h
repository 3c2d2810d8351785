// The program's compressed bitmap resources (type "RESS", a zlib stream holding a BMP file) loaded into
// pictures and image lists. Windows only; the format itself is in graphics/ress.h.
#pragma once

#include <windows.h>

#include <commctrl.h>  // needs windows.h first

#include <cstdint>
#include <vector>

#include "base/app_error.h"
#include "graphics/picture.h"

namespace velpiners::graphics {

// The raw bytes of resource `name` of type "RESS" in `module` (nullptr: the program itself).
// Throws AppError "Resource <name> not found" when there is none.
std::vector<std::uint8_t> ReadRessResource(const char* name, HMODULE module = nullptr);

// The picture in resource `name`, with the size and depth the stored file gives (1- and 8-bit files as
// 24-bit pictures). Throws AppError for a missing resource, GraphicsError("Error") for a stream that
// does not inflate.
Picture LoadRessBitmap(const char* name, HMODULE module = nullptr);

// Adds an image strip and its mask strip, both RESS streams, to `list` in one call, so the list cuts both
// into frames of its own size; surplus width of the mask is ignored. Mask pixels of grey 128 and above are
// transparent. Returns the number of frames added; throws GraphicsError when the list refuses them.
int AddRessToImageList(HIMAGELIST list, const std::vector<std::uint8_t>& imageStream,
                       const std::vector<std::uint8_t>& maskStream);

// Resource `name` as the image and `name` + "MASK" as its mask, added to `list`. Both resources are
// read before anything is added.
int LoadRessImageList(const char* name, HIMAGELIST list, HMODULE module = nullptr);

}  // namespace velpiners::graphics
