// Writes the seed corpus of the fuzz targets into <folder>/<target>: small valid inputs of every kind the
// readers accept, made with the project's own writers (BMP files, packs, zlib streams; config.txt, pattern
// and language files written through an in-memory INI file; a base.db image of a table; messages to a
// sticker), and packs whose entries the reader must refuse for their size.
#include <cstdio>
#include <string>
#include <vector>

#include "graphics/bmp.h"
#include "graphics/inflate.h"
#include "graphics/picture_pack.h"
#include "lang/text_table.h"
#include "protocol/protocol.h"
#include "sticker/sticker_state.h"
#include "store/config_file.h"
#include "store/database_image.h"
#include "store/pattern.h"
#include "store/table.h"
#include "tests/common/fake_ini.h"
#include "tests/common/synthetic_stickers.h"

namespace {

using namespace velpiners::graphics;
using Bytes = std::vector<std::uint8_t>;
using velpiners::test::FakeIni;

bool Write(const std::string& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

Picture Gradient(int width, int height, int bits) {
    Picture p(width, height, bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < p.BytesPerPixel(); ++c)
                p.Pixel(x, y)[c] = static_cast<std::uint8_t>(x * 40 + y * 9 + c);
    return p;
}

Bytes Indexed(int width, int height, int bits, int colors) {
    std::vector<std::uint32_t> palette(static_cast<std::size_t>(colors));
    for (int i = 0; i < colors; ++i) palette[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(i) * 0x010203u;
    Bytes indices(static_cast<std::size_t>(width * height));
    for (std::size_t i = 0; i < indices.size(); ++i)
        indices[i] = static_cast<std::uint8_t>(i % static_cast<std::size_t>(colors));
    return EncodeIndexedBmp(width, height, bits, palette, indices);
}

// The same pixels as a top-down file.
Bytes TopDown(const Bytes& bottomUp, int height, std::size_t stride) {
    Bytes out(bottomUp.begin(), bottomUp.begin() + 54);
    for (int row = height - 1; row >= 0; --row) {
        const auto first = bottomUp.begin() + 54 + static_cast<std::ptrdiff_t>(stride) * row;
        out.insert(out.end(), first, first + static_cast<std::ptrdiff_t>(stride));
    }
    const std::uint32_t negative = static_cast<std::uint32_t>(-height);
    for (int i = 0; i < 4; ++i) out[22 + i] = static_cast<std::uint8_t>(negative >> (8 * i));
    return out;
}

// A file followed by zeros it does not need.
Bytes Padded(Bytes file, std::size_t zeros) {
    file.resize(file.size() + zeros, 0);
    return file;
}

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

std::vector<Bytes> ConfigSeeds() {
    using velpiners::Configuration;
    std::vector<Bytes> seeds;
    Configuration plain;
    Configuration other;
    other.englishLanguage = false;
    other.otherLanguage = "Deutsch.lng";
    other.hotKey = -1;
    other.defaults.style = 16;
    other.defaults.opacity = 1;
    other.defaults.textColor = -2147483647 - 1;
    other.defaults.captionFont = "Courier New";
    other.defaults.pictureNumber = 101;
    other.defaults.hideDelayStep = 255;
    for (const Configuration& config : {plain, other}) {
        FakeIni file;
        if (!WriteConfiguration(file, config)) return {};
        seeds.push_back(BytesOf(file.Text()));
    }
    // What a hand-edited file may hold: hexadecimal and signed numbers, a comment, blanks, quotes, a key
    // without "=", a second section of a name that is never read.
    seeds.push_back(
        BytesOf("; edited\n[language]\nDefualtLanguageEng = 0\nDefualtLanguageRus=$1\n[Default]\n"
                "Style=0x0A\nTransparent=-56\nFontText=\"Segoe UI\"\nColorText=$FFFFFFFF\nWrap\n"
                "[HotKey]\nNEW=+4\n[Default]\nStyle=3\n"));
    return seeds;
}

std::vector<Bytes> PatternSeeds() {
    using velpiners::PatternLook;
    PatternLook first;
    first.textFont = "Tahoma";
    first.captionFont = "Arial";
    PatternLook second = first;
    second.style = 12;
    second.useColor = false;
    second.transparent = 0;
    second.textSize = 13;
    second.alignment = 2;
    second.pictureNumber = 0x1234;
    std::vector<Bytes> seeds;
    const struct {
        const char* name;
        const PatternLook& look;
    } patterns[] = {{"Blue look", first}, {"Night || day", second}};
    for (const auto& pattern : patterns) {
        FakeIni file;
        if (!WritePattern(file, pattern.name, "01.02.2024 10:20", pattern.look)) return {};
        seeds.push_back(BytesOf(file.Text()));
    }
    return seeds;
}

std::vector<Bytes> LanguageSeeds() {
    using namespace velpiners;
    FakeIni whole;
    whole.Set("Options", "Name", "Deutsch");
    whole.Set("Options", "Flag", "de");
    for (const TextInfo& info : AllTexts())
        whole.Set(SectionName(info.section), info.key, std::string(info.english) + " (de)");
    FakeIni partial;
    partial.Set("Options", "Flag", "UA");
    partial.Set("Tray", "mNewStick", std::string(300, 'n'));
    partial.Set("Setting", "fConfig", "");
    return {BytesOf(whole.Text()), BytesOf(partial.Text())};
}

std::vector<Bytes> DatabaseSeeds() {
    using namespace velpiners;
    Tmassiv table;
    for (int i = 0; i < 3; ++i) {
        const int slot = table.Occupy(0x20000 + static_cast<std::uint32_t>(i));
        table.Slot(slot) = testing::SyntheticSticker(i);
    }
    const Bytes image = BuildDatabaseImage(table);
    Bytes torn = image;
    torn.resize(torn.size() + kStickerRecordSize / 2, 0x5A);
    return {image, torn};
}

// Messages to a sticker and the controller, in the sticker fuzzer's layout.
class Messages {
public:
    Messages& Command(std::uint32_t code, std::uint32_t value) {
        m_bytes.push_back(0);
        Number(code, 4);
        Number(value, 4);
        return *this;
    }
    Messages& String(std::uint32_t kind, const std::string& text) {
        m_bytes.push_back(1);
        Number(kind, 4);
        Number(static_cast<std::uint32_t>(text.size()), 2);
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    Messages& Report(const velpiners::StickerRecord& record) {
        m_bytes.push_back(2);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
        m_bytes.insert(m_bytes.end(), bytes, bytes + sizeof record);
        return *this;
    }
    Messages& TableStep(std::uint8_t step, std::uint8_t window) {
        m_bytes.insert(m_bytes.end(), {3, step, window});
        return *this;
    }
    [[nodiscard]] const Bytes& Get() const { return m_bytes; }

private:
    void Number(std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) m_bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    Bytes m_bytes;
};

std::vector<Bytes> StickerSeeds() {
    using namespace velpiners;
    using namespace velpiners::protocol;
    Messages commands;
    commands.Command(kStkOpacity, 0).Command(kStkLock, 1).Command(kStkStyle, 0x1FF).Command(kStkShowDate, 2);
    commands.Command(kStkPictureNumber, 0x12345).Command(kStkHideDelay, 7).Command(kStkRepaint, 0);
    Messages strings;
    strings.String(kStrCaptionFont, "Verdana").String(kStrCaptionText, std::string("cut\0here", 8));
    strings.String(kStrBodyText, std::string(300, 'b')).String(kStrTextFont, "").String(kStrDateText, "2.03.24");
    strings.String(kStrDateText + 1, "unknown kind");
    // Windows 1..3 hold slots 0..2 at the start: reports from two of them, one from a window without a slot,
    // then a save cycle that the third one's report ends.
    StickerRecord report = testing::SyntheticSticker(5);
    Messages reports;
    report.window = 2;
    reports.TableStep(2, 9).Report(report);
    report.window = 77;
    reports.Report(report);
    report.window = 1;
    reports.Report(report);
    report.window = 3;
    reports.Report(report).TableStep(1, 1).TableStep(0, 40);
    return {commands.Get(), strings.Get(), reports.Get()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::vector<Bytes> bmps = {
        EncodeBmp(Gradient(3, 2, 24)), EncodeBmp(Gradient(2, 3, 32)), Indexed(9, 3, 1, 2),
        Indexed(5, 4, 8, 16),          Indexed(3, 2, 8, 256),         TopDown(EncodeBmp(Gradient(3, 2, 24)), 2, 12),
    };
    bool ok = true;
    for (std::size_t i = 0; i < bmps.size(); ++i)
        ok &= Write(folder + "/bmp/seed" + std::to_string(i) + ".bmp", bmps[i]);

    // Over the caps: a 4096 x 4096 1-bit entry (2 MiB, so stored compressed to keep the seed small), a
    // 1-bit entry one pixel wider than allowed, and zlib bombs of 16 MiB of zeros, alone and behind the
    // headers of a small picture.
    const int hugeSide = 4096;
    const int tooWide = kMaxPackEntrySide + 1;
    const std::size_t bombBytes = 16u << 20;
    const std::vector<Bytes> packs = {
        BuildPack({}, false),
        BuildPack({{101, bmps[0]}, {102, bmps[3]}}, false),
        BuildPack({{101, bmps[1]}, {101, bmps[2]}}, true),
        BuildPack({{101, bmps[2]}, {102, Indexed(hugeSide, hugeSide, 1, 2)}}, true),
        BuildPack({{101, bmps[0]}, {102, Indexed(tooWide, 1, 1, 2)}}, false),
        BuildPack({{101, bmps[1]}, {102, Bytes(bombBytes, 0)}}, true),
        BuildPack({{101, bmps[1]}, {102, Padded(bmps[0], bombBytes)}}, true),
    };
    for (std::size_t i = 0; i < packs.size(); ++i)
        ok &= Write(folder + "/pack/seed" + std::to_string(i) + ".vpi", packs[i]);

    const std::string text = "sticky notes sticky notes sticky notes";
    const std::vector<Bytes> streams = {
        DeflateBytes(nullptr, 0),
        DeflateBytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
        DeflateBytes(bmps[4].data(), bmps[4].size()),
    };
    for (std::size_t i = 0; i < streams.size(); ++i)
        ok &= Write(folder + "/inflate/seed" + std::to_string(i) + ".z", streams[i]);

    const struct {
        const char* target;
        std::vector<Bytes> seeds;
    } others[] = {{"config", ConfigSeeds()},
                  {"pattern", PatternSeeds()},
                  {"language", LanguageSeeds()},
                  {"database", DatabaseSeeds()},
                  {"sticker", StickerSeeds()}};
    for (const auto& other : others) {
        ok &= !other.seeds.empty();
        for (std::size_t i = 0; i < other.seeds.size(); ++i)
            ok &= Write(folder + "/" + other.target + "/seed" + std::to_string(i), other.seeds[i]);
    }
    return ok ? 0 : 1;
}
