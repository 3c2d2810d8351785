// The demo folder's base.db from its readable description: the bytes of the records, the refusals of bad
// descriptions, and the description kept in the tree.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "tools/demonotes/demo_notes.h"

namespace velpiners::demonotes {
namespace {

// Writes bytes into a record's image at a record offset.
void Put(std::vector<std::uint8_t>& image, std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t b : bytes) image.at(offset++) = b;
}

// The three text blocks' fixed parts as every note has them: white, shadowed, at their default places in
// Tahoma (caption 10 and date 7 points, the text's size and face given).
void PutTextBlocks(std::vector<std::uint8_t>& image, std::size_t record) {
    const std::size_t r = record * 1076;
    for (std::size_t block : {4, 348, 692}) {
        Put(image, r + block, {0xFF, 0xFF, 0xFF, 0x00, 1});
        Put(image, r + block + 8, {14, 0, 0, 0, 2, 0, 0, 0, 0xFF, 0, 0, 0, 10, 6, 'T', 'a', 'h', 'o', 'm', 'a'});
    }
    Put(image, r + 368, {7});
    Put(image, r + 700, {16, 0, 0, 0, 26, 0, 0, 0, 0xD0, 0, 0, 0, 8});
}

TEST(DemoNotes, WritesEveryKeyAtItsOffsetAndDefaultsTheRest) {
    const DemoNotes notes = ParseDemoNotes(
        "\xEF\xBB\xBF# two notes\r\n"
        "[note]\r\n"
        "place: -5 70000\r\n"
        "caption: \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 & co\r\n"  // "Привет & co"
        "date: 1.02.03\r\n"
        "  text:   one  \r\n"
        "text: two\r\n"
        "style: 3\r\n"
        "colour: #102030\r\n"
        "layer: top\r\n"
        "rolled up: yes\r\n"
        "icon: 300\r\n"
        "opacity: 200\r\n"
        "align: right\r\n"
        "wrap: no\r\n"
        "text font: Arial Black 11\r\n"
        "\r\n"
        "[note]\n"
        "place: 7 8\n");
    ASSERT_EQ(notes.error, "");

    std::vector<std::uint8_t> expected(2 * 1076, 0);
    PutTextBlocks(expected, 0);
    Put(expected, 89, {11, 0xCF, 0xF0, 0xE8, 0xE2, 0xE5, 0xF2, ' ', '&', ' ', 'c', 'o'});
    Put(expected, 433, {7, '1', '.', '0', '2', '.', '0', '3'});
    Put(expected, 690, {1});  // the date is shown
    Put(expected, 712, {11, 11, 'A', 'r', 'i', 'a', 'l', ' ', 'B', 'l', 'a', 'c', 'k'});
    Put(expected, 777, {8, 'o', 'n', 'e', '\r', '\n', 't', 'w', 'o'});
    Put(expected, 1036, {0xFB, 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00});  // -5, 70000
    Put(expected, 1044, {200, 0, 3, 1, 0x10, 0x20, 0x30, 0x00});            // opacity, style, own colour
    Put(expected, 1052, {0, 1, 0x2C, 0, 0, 0, 2, 0, 30, 0x01});             // rolled up, icon 300, top, ...
    Put(expected, 1072, {1});

    PutTextBlocks(expected, 1);
    Put(expected, 1076 + 1036, {7, 0, 0, 0, 8, 0, 0, 0, 255, 0, 0, 0, 0x00, 0x80, 0x00, 0x00});
    Put(expected, 1076 + 1052, {1, 0, 0, 1, 0, 1, 0, 0, 30});  // unrolled, desktop, wrapped, step 30
    Put(expected, 1076 + 1072, {1});

    const std::vector<std::uint8_t> image = DemoDatabase(notes.records);
    ASSERT_EQ(image.size(), expected.size());
    for (std::size_t i = 0; i < image.size(); ++i)
        EXPECT_EQ(image[i], expected[i]) << "record " << i / 1076 << " offset " << i % 1076;
}

TEST(DemoNotes, RefusesABadDescriptionAtItsLine) {
    std::string tooMany;
    for (int i = 0; i < 257; ++i) tooMany += "[note]\nplace: 0 0\n";
    const struct {
        std::string description;
        int line;
    } cases[] = {
        {"place: 1 2\n", 1},                                          // before any note
        {"[note]\nplace: 1 2\nstyle: 17\n", 3},                       // no such style
        {"[note]\nplace: 1 2\nstyle: 99999999999999999999999\n", 3},  // overflow
        {"[note]\nplace: 1 2\ncolour: red\n", 3},                     //
        {"[note]\nplace: 1\n", 2},                                    // one number
        {"[note]\ncaption: x\n\n[note]\nplace: 0 0\n", 1},            // no place
        {"[note]\nplace: 1 2\nsize: 3\n", 3},                         // unknown key
        {"[note]\nplace: 1 2\ncaption: \xF0\x9F\x98\x80\n", 3},       // an emoji, not in 1251
        {"[note]\nplace: 1 2\nplace: 3 4\n", 3},                      // twice
        {"[note]\nplace: 1 2\nicon: 256\n", 3},                       // low byte 0 shows nothing
        {"[note]\nplace: 1 2\ntext: " + std::string(200, 'x') + "\ntext: " + std::string(60, 'y'), 4},
        {"[note]\nplace: 1 2\ntext font: 9\n", 3},    // no face
        {"[note]\nplace: 0 0\n\xFF\xFE\x00\x01", 3},  // not text
        {tooMany, 2 * 257 - 1},
        {"", 0},
        {"[note]\nplace: 0 0\n#" + std::string(kDemoDescriptionLimit, ' '), 0},  // too large, however good
    };
    for (const auto& c : cases) {
        const DemoNotes notes = ParseDemoNotes(c.description);
        EXPECT_NE(notes.error, "") << c.description.substr(0, 80);
        EXPECT_EQ(notes.errorLine, c.line) << c.description.substr(0, 80) << ": " << notes.error;
        EXPECT_TRUE(notes.records.empty());
    }
}

TEST(DemoNotes, TheTreesDescriptionReadsAndShowsWhatTheDemoIsFor) {
    std::ifstream in(VELPINERS_SOURCE_DIR "/resources/demo/notes.txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t headings = 0;
    for (std::size_t at = text.find("\n[note]"); at != std::string::npos; at = text.find("\n[note]", at + 1))
        ++headings;

    const DemoNotes notes = ParseDemoNotes(text);
    ASSERT_EQ(notes.error, "") << "line " << notes.errorLine;
    ASSERT_EQ(notes.records.size(), headings);
    int rolled = 0, topmost = 0, desktop = 0, icons = 0, cyrillic = 0, ampersands = 0;
    for (const StickerRecord& r : notes.records) {
        EXPECT_LE(r.placement.style, 16);
        // On the 1280 x 1024 screen of the screenshot.
        EXPECT_GE(r.placement.left, 0);
        EXPECT_GE(r.placement.top, 0);
        EXPECT_LT(r.placement.left, 1280 - 240);
        EXPECT_LT(r.placement.top, 1024 - 100);
        rolled += r.placement.unrolled == 0;
        topmost += r.placement.layer == 0;
        desktop += r.placement.layer == 1;
        icons += r.placement.showPicture;
        for (unsigned char c : r.caption.text.View()) cyrillic += c >= 0xC0;
        ampersands += r.body.text.View().find('&') != std::string_view::npos;
    }
    EXPECT_GE(rolled, 1);
    EXPECT_GE(topmost, 1);
    EXPECT_GE(desktop, 1);
    EXPECT_GE(icons, 1);
    EXPECT_GE(cyrillic, 1);
    EXPECT_GE(ampersands, 1);
}

}  // namespace
}  // namespace velpiners::demonotes
