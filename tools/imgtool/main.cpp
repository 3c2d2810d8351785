// velpiners-imgtool: the program's pixel routines on BMP files (resampling, the two skin compositors,
// tinting) and the writing and listing of picture pack files for the "pic" folder.
//
// Every input is checked: numbers must be whole and in range, files must be complete BMP or pack files.
// Failures print one line on stderr and exit with 1; usage errors exit with 2.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "graphics/bmp.h"
#include "graphics/byte_order.h"
#include "graphics/color.h"
#include "graphics/compositor.h"
#include "graphics/effects.h"
#include "graphics/inflate.h"
#include "graphics/picture_pack.h"
#include "graphics/resample.h"
#include "graphics/ress.h"

namespace {

using namespace velpiners::graphics;

constexpr const char* kUsage = R"(usage: velpiners-imgtool COMMAND ARGUMENTS

Commands:
  resample IN OUT W H FILTER
      Scales IN to W x H pixels with FILTER and writes a 24-bit BMP (the alpha of a 32-bit input is
      dropped). FILTER is one of (support in brackets):
        box [0.5]  triangle [1]  hermite [1]  bell [1.5]  bspline [2]  lanczos3 [3]  mitchell [2]
      The table's own names (Box, Triangle, Hermite, Bell, B-Spline, Lanczos3, Mitchell) are accepted
      too, in any case.
  framed SKIN MASK CW CH STYLEINDEX KIND UNROLLED OUT
      Composes a framed sticker background (styles 0-10) for content width CW and height CH and writes
      it as a 32-bit BMP with premultiplied alpha. STYLEINDEX is 0-16 (only 9, the frame styles,
      changes the result); KIND is 0 (plain with title lines), 1 (plain), 2 (strip) or 3 (frame);
      UNROLLED is 1 (whole sticker) or 0 (rolled up).
  icon SKIN MASK CL CT CR CB IW IH UNROLLED OUT
      Composes an icon-style background (styles 11-16) around content (CL, CT, CR, CB) and an icon of
      IW x IH pixels (IH below 2: no icon); writes a 32-bit BMP of at least 74 x 45.
  tint IN R G B OUT
      Tints IN with the colour R, G, B (0-255 each) and writes a 32-bit BMP; a 24-bit input is taken
      as opaque (alpha 255).
  vpi-pack OUT.vpi [--compress] NUMBER=FILE.bmp ...
      Writes a picture pack of the BMP files under their picture numbers (101-65535); with --compress
      every entry is stored as a zlib stream. Put the file in the program's "pic" folder.
  vpi-list FILE.vpi
      Lists the entries of a pack: number, stored size in bytes, bits per pixel, width x height.

Inputs may be 8-bit palette, 24- or 32-bit BMP files, bottom-up or top-down; skins and masks of one
style must have the same size. Exit status: 0 done, 1 failed, 2 usage error.
)";

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr std::uint64_t kMaxFileBytes = 1100u * 1024u * 1024u;

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) throw GraphicsError("cannot open " + path);
    file.seekg(0, std::ios::end);
    const std::streamoff length = file.tellg();
    if (length < 0) throw GraphicsError("cannot read " + path);
    if (static_cast<std::uint64_t>(length) > kMaxFileBytes) throw GraphicsError(path + " is too large");
    file.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    if (!bytes.empty() && !file.read(reinterpret_cast<char*>(bytes.data()), length))
        throw GraphicsError("cannot read " + path);
    return bytes;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file.is_open()) throw GraphicsError("cannot create " + path);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) throw GraphicsError("cannot write " + path);
}

Picture ReadBmp(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadFile(path);
    try {
        return DecodeBmp(bytes);
    } catch (const GraphicsError& e) {
        throw GraphicsError(path + ": " + e.what());
    }
}

int ParseInt(std::string_view text, const char* what, long long low, long long high) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || value < low || value > high)
        throw UsageError(std::string(what) + " must be a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not \"" + std::string(text) + "\"");
    return static_cast<int>(value);
}

bool ParseFlag(std::string_view text, const char* what) { return ParseInt(text, what, 0, 1) == 1; }

// Content and icon coordinates: generous, but far from overflowing any size arithmetic.
constexpr long long kCoordinate = 1000000;

const ResampleFilter& ParseFilter(std::string_view name) {
    static const std::pair<const char*, int> kCommandNames[] = {
        {"box", 0}, {"triangle", 1}, {"hermite", 2}, {"bell", 3}, {"bspline", 4}, {"lanczos3", 5}, {"mitchell", 6}};
    for (const auto& [command, index] : kCommandNames)
        if (name == command) return FilterTable[static_cast<std::size_t>(index)];
    if (const ResampleFilter* filter = FindFilter(name)) return *filter;
    throw UsageError("unknown filter \"" + std::string(name) +
                     "\" (box, triangle, hermite, bell, bspline, lanczos3, mitchell)");
}

void Expect(const std::vector<std::string>& args, std::size_t count, const char* usage) {
    if (args.size() != count) throw UsageError(std::string("usage: velpiners-imgtool ") + usage);
}

void RunResample(const std::vector<std::string>& args) {
    Expect(args, 5, "resample IN OUT W H FILTER");
    const int width = ParseInt(args[2], "W", 1, kMaxPictureDimension);
    const int height = ParseInt(args[3], "H", 1, kMaxPictureDimension);
    const ResampleFilter& filter = ParseFilter(args[4]);
    const Picture source = ReadBmp(args[0]);
    if (source.Empty()) throw GraphicsError(args[0] + ": the picture has no pixels");
    Picture target(width, height, 24);
    Resample(source, target, filter.function, filter.support);
    WriteFile(args[1], EncodeBmp(target));
}

void RunFramed(const std::vector<std::string>& args) {
    Expect(args, 8, "framed SKIN MASK CW CH STYLEINDEX KIND UNROLLED OUT");
    const Rect content{0, 0, ParseInt(args[2], "CW", -kCoordinate, kCoordinate),
                       ParseInt(args[3], "CH", -kCoordinate, kCoordinate)};
    const int styleIndex = ParseInt(args[4], "STYLEINDEX", 0, kStyleCount - 1);
    const int kind = ParseInt(args[5], "KIND", kSkinTitled, kSkinFrame);
    const bool unrolled = ParseFlag(args[6], "UNROLLED");
    const Picture skin = ReadBmp(args[0]);
    const Picture mask = ReadBmp(args[1]);
    Picture output;
    ComposeFramedSkin(skin, mask, content, styleIndex, kind, unrolled, output);
    WriteFile(args[7], EncodeBmp(output));
}

void RunIcon(const std::vector<std::string>& args) {
    Expect(args, 10, "icon SKIN MASK CL CT CR CB IW IH UNROLLED OUT");
    const Rect content{
        ParseInt(args[2], "CL", -kCoordinate, kCoordinate), ParseInt(args[3], "CT", -kCoordinate, kCoordinate),
        ParseInt(args[4], "CR", -kCoordinate, kCoordinate), ParseInt(args[5], "CB", -kCoordinate, kCoordinate)};
    const Rect icon{0, 0, ParseInt(args[6], "IW", 0, kMaxPictureDimension),
                    ParseInt(args[7], "IH", 0, kMaxPictureDimension)};
    const bool unrolled = ParseFlag(args[8], "UNROLLED");
    const Picture skin = ReadBmp(args[0]);
    const Picture mask = ReadBmp(args[1]);
    Picture output;
    ComposeIconSkin(skin, mask, content, unrolled, output, icon);
    WriteFile(args[9], EncodeBmp(output));
}

void RunTint(const std::vector<std::string>& args) {
    Expect(args, 5, "tint IN R G B OUT");
    const Color colour =
        MakeColor(ParseInt(args[1], "R", 0, 255), ParseInt(args[2], "G", 0, 255), ParseInt(args[3], "B", 0, 255));
    const Picture source = ReadBmp(args[0]);
    Picture picture(source.Width(), source.Height(), 32);
    if (source.BitsPerPixel() == 32) {
        picture = source;
    } else {
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x) picture.Pixel(x, y)[3] = 255;
        CopyRgbTo32(source, picture);
    }
    TintBitmap(picture, colour);
    WriteFile(args[4], EncodeBmp(picture));
}

void RunPack(const std::vector<std::string>& args) {
    const char* usage = "usage: velpiners-imgtool vpi-pack OUT.vpi [--compress] NUMBER=FILE.bmp ...";
    if (args.empty()) throw UsageError(usage);
    bool compressed = false;
    std::vector<PackSource> entries;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--compress") {
            compressed = true;
            continue;
        }
        const std::size_t equals = args[i].find('=');
        if (equals == std::string::npos) throw UsageError("expected NUMBER=FILE.bmp, not \"" + args[i] + "\"");
        PackSource entry;
        entry.number = ParseInt(std::string_view(args[i]).substr(0, equals), "NUMBER", kFirstUserPicture, 65535);
        const std::string path = args[i].substr(equals + 1);
        entry.bmpFile = ReadFile(path);
        BmpInfo info;
        try {
            (void)DecodeBmp(entry.bmpFile, &info);
        } catch (const GraphicsError& e) {
            throw GraphicsError(path + ": " + e.what());
        }
        // The program refuses such an entry, and every one after it in the pack.
        if (entry.bmpFile.size() > info.neededBytes)
            throw GraphicsError(path + ": " + std::to_string(entry.bmpFile.size() - info.neededBytes) +
                                " bytes more than its headers and rows need");
        entries.push_back(std::move(entry));
    }
    if (entries.empty()) throw UsageError(usage);
    WriteFile(args[0], BuildPack(entries, compressed));
}

// Lists a pack entry by entry straight from its table, so that the stored size and depth can be shown
// (the icon collection keeps only 32-bit copies). A damaged entry ends the listing with an error.
void RunList(const std::vector<std::string>& args) {
    Expect(args, 1, "vpi-list FILE.vpi");
    const std::vector<std::uint8_t> file = ReadFile(args[0]);
    constexpr std::size_t kHeader = 16;
    constexpr std::size_t kRecord = 12;
    if (file.size() < kHeader) throw GraphicsError(args[0] + ": not a picture pack (too short)");
    const std::int32_t count = ReadLe32Signed(file.data());
    const bool compressed = file[12] != 0;
    if (count < 0 || kHeader + kRecord * static_cast<std::uint64_t>(count) > file.size())
        throw GraphicsError(args[0] + ": the entry table does not fit in the file");
    std::printf("%s: %d entries, %s\n", args[0].c_str(), count, compressed ? "compressed" : "plain");
    std::printf("%8s %10s %5s  %s\n", "number", "size", "bits", "width x height");
    std::uint64_t offset = kHeader + kRecord * static_cast<std::uint64_t>(count);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::uint8_t* record = file.data() + kHeader + kRecord * static_cast<std::size_t>(i);
        const std::int32_t size = ReadLe32Signed(record + 4);
        const std::int32_t number = ReadLe32Signed(record + 8);
        if (size < 0 || static_cast<std::uint64_t>(size) > file.size() - offset)
            throw GraphicsError(args[0] + ": entry " + std::to_string(i) + " runs past the end of the file");
        const std::uint8_t* data = file.data() + offset;
        BmpInfo info;
        try {
            if (compressed) {
                const std::vector<std::uint8_t> bmp = InflateBytes(data, static_cast<std::size_t>(size));
                (void)DecodeBmp(bmp, &info);
            } else {
                (void)DecodeBmp(data, static_cast<std::size_t>(size), &info);
            }
        } catch (const GraphicsError& e) {
            throw GraphicsError(args[0] + ": entry " + std::to_string(i) + ": " + e.what());
        }
        std::printf("%8d %10d %5d  %d x %d\n", number, size, info.bitsPerPixel, info.width, info.height);
        offset += static_cast<std::uint64_t>(size);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> all(argv + 1, argv + argc);
    if (all.empty() || all[0] == "--help" || all[0] == "-h" || all[0] == "help") {
        std::fputs(kUsage, all.empty() ? stderr : stdout);
        return all.empty() ? 2 : 0;
    }
    const std::string& command = all[0];
    const std::vector<std::string> args(all.begin() + 1, all.end());
    try {
        if (command == "resample") {
            RunResample(args);
        } else if (command == "framed") {
            RunFramed(args);
        } else if (command == "icon") {
            RunIcon(args);
        } else if (command == "tint") {
            RunTint(args);
        } else if (command == "vpi-pack") {
            RunPack(args);
        } else if (command == "vpi-list") {
            RunList(args);
        } else {
            throw UsageError("unknown command \"" + command + "\" (see velpiners-imgtool --help)");
        }
    } catch (const UsageError& e) {
        std::fprintf(stderr, "velpiners-imgtool: %s\n", e.what());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velpiners-imgtool: %s\n", e.what());
        return 1;
    }
    return 0;
}
