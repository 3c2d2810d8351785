// velpiners.exe carries every picture as a RESS resource in Russian (1049): a zlib stream at maximum
// compression holding a BMP of the listed size and depth; and the program icon and the manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "graphics/bmp.h"
#include "graphics/inflate.h"
#include "tests/common/resource_table.h"

namespace {

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of("\\/") + 1);
    return folder + "velpiners.exe";
}

class ResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_module = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(m_module, nullptr) << "cannot open " << ProgramPath();
    }
    void TearDown() override {
        if (m_module != nullptr) FreeLibrary(m_module);
    }
    HMODULE m_module = nullptr;
};

TEST_F(ResourcesTest, EveryPictureIsACompressedBmpOfItsSizeInRussian) {
    for (const auto& spec : velpiners::testing::ResourceTable()) {
        SCOPED_TRACE(spec.name);
        HRSRC found = FindResourceExA(m_module, "RESS", spec.name.c_str(), MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
        ASSERT_NE(found, nullptr);
        const DWORD size = SizeofResource(m_module, found);
        HGLOBAL loaded = LoadResource(m_module, found);
        ASSERT_NE(loaded, nullptr);
        const auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
        ASSERT_NE(bytes, nullptr);
        ASSERT_GE(size, 2u);
        EXPECT_EQ(bytes[0], 0x78);
        EXPECT_EQ(bytes[1], 0xDA);
        const std::vector<std::uint8_t> bmp = velpiners::graphics::InflateBytes(bytes, size);
        velpiners::graphics::BmpInfo info;
        velpiners::graphics::DecodeBmp(bmp, &info);
        EXPECT_EQ(info.bitsPerPixel, spec.bits);
        if (spec.width != 0) {
            EXPECT_EQ(info.width, spec.width);
            EXPECT_EQ(info.height, spec.height);
        }
    }
}

TEST_F(ResourcesTest, ProgramIconAndManifestArePresent) {
    EXPECT_NE(FindResourceA(m_module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)), nullptr);  // RT_GROUP_ICON
    HRSRC manifest = FindResourceA(m_module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));     // RT_MANIFEST
    ASSERT_NE(manifest, nullptr);
    const auto* text = static_cast<const char*>(LockResource(LoadResource(m_module, manifest)));
    const std::string xml(text, SizeofResource(m_module, manifest));
    EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(xml.find("6.0.0.0"), std::string::npos);
    // Loading the icon the way the program does (16 pixels, the tray size) works from the data file too.
    HICON icon = static_cast<HICON>(LoadImageA(m_module, MAKEINTRESOURCEA(1), IMAGE_ICON, 16, 16, 0));
    EXPECT_NE(icon, nullptr);
    if (icon != nullptr) DestroyIcon(icon);
}

}  // namespace
