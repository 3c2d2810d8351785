// RESS resources through the resource API. The resource bytes are copied before they are inflated: the
// loaded resource is read-only memory owned by the module.
#include "graphics/ress_loader_win.h"

#include <string>

#include "graphics/ress.h"
#include "graphics/dib_bitmap_win.h"
#include "base/app_error.h"

namespace velpiners::graphics {

std::vector<std::uint8_t> ReadRessResource(const char* name, HMODULE module) {
    if (module == nullptr) module = ::GetModuleHandleA(nullptr);
    HRSRC info = ::FindResourceA(module, name, "RESS");
    HGLOBAL loaded = info != nullptr ? ::LoadResource(module, info) : nullptr;
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr) throw AppError("Resource " + std::string(name) + " not found");
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    return std::vector<std::uint8_t>(first, first + ::SizeofResource(module, info));
}

Picture LoadRessBitmap(const char* name, HMODULE module) { return DecodeRess(ReadRessResource(name, module)); }

int AddRessToImageList(HIMAGELIST list, const std::vector<std::uint8_t>& imageStream,
                       const std::vector<std::uint8_t>& maskStream) {
    const UniqueBitmap image = CreateDibFromPicture(DecodeRess(imageStream));
    const UniqueBitmap mask = CreateMaskFromPicture(DecodeRess(maskStream));
    const int before = ::ImageList_GetImageCount(list);
    if (::ImageList_Add(list, image.get(), mask.get()) < 0)
        throw GraphicsError("Cannot add the pictures to the image list");
    return ::ImageList_GetImageCount(list) - before;
}

int LoadRessImageList(const char* name, HIMAGELIST list, HMODULE module) {
    const std::vector<std::uint8_t> image = ReadRessResource(name, module);
    const std::vector<std::uint8_t> mask = ReadRessResource((std::string(name) + "MASK").c_str(), module);
    return AddRessToImageList(list, image, mask);
}

}  // namespace velpiners::graphics
