// What OK and Apply of the properties dialog send, in order, and when they ask for a re-layout.
#include <gtest/gtest.h>

#include <cstring>

#include "dialogs/settings_apply.h"
#include "protocol/protocol.h"

namespace velpiners {
namespace {

using Kind = SettingsMessage::Kind;

// A sticker as the dialog opened it, and controls that show it unchanged.
struct Opened {
    Opened() {
        std::memset(&opening.caption, 0, sizeof opening.caption);
        std::memset(&opening.body, 0, sizeof opening.body);
        std::memset(&opening.placement, 0, sizeof opening.placement);
        opening.caption.fontName.Set("Tahoma");
        opening.caption.text.Set("Shopping");
        opening.body.fontName.Set("Verdana");
        opening.body.fontSize = 10;
        opening.body.text.Set("milk");
        opening.placement.style = 3;
        opening.placement.wordWrap = 1;
        opening.placement.pictureLow = 5;
        values.captionFont = "Tahoma";
        values.captionText = "Shopping";
        values.textFont = "Verdana";
        values.sizeIndex = 2;  // 10
        values.bodyText = "milk";
        values.style = 3;
        values.wordWrap = true;
        values.iconIndex = 5;
        values.pictureNumber = 5;
    }
    std::vector<SettingsMessage> Press() { return SettingsApplyMessages(values, opening); }

    SettingsOpening opening;
    SettingsValues values;
};

std::uint32_t LastCode(const std::vector<SettingsMessage>& messages) { return messages.back().code; }

const SettingsMessage* Find(const std::vector<SettingsMessage>& messages, Kind kind, std::uint32_t code) {
    for (const SettingsMessage& m : messages)
        if (m.kind == kind && m.code == code) return &m;
    return nullptr;
}

TEST(SettingsApply, OneFullPressSendsEveryValueInItsOrder) {
    Opened dialog;
    dialog.values.alignment = 1;
    dialog.values.sizeIndex = 3;  // 12: a new size
    const std::vector<SettingsMessage> messages = dialog.Press();
    // Posts (P) and copies (C) of the 26 steps, the icon rule (step 18) sending nothing of its own.
    const std::vector<std::pair<Kind, std::uint32_t>> expected = {
        {Kind::kPost, 1},  {Kind::kPost, 2},  {Kind::kPost, 6},  {Kind::kPost, 7},  {Kind::kPost, 10},
        {Kind::kPost, 11}, {Kind::kPost, 15}, {Kind::kPost, 22}, {Kind::kPost, 28}, {Kind::kPost, 27},
        {Kind::kPost, 3},  {Kind::kPost, 4},  {Kind::kPost, 21}, {Kind::kCopy, 0},  {Kind::kCopy, 1},
        {Kind::kPost, 8},  {Kind::kPost, 9},  {Kind::kPost, 12}, {Kind::kCopy, 4},  {Kind::kCopy, 2},
        {Kind::kCopy, 3},  {Kind::kPost, 5},  {Kind::kPost, 24}, {Kind::kPost, 20}, {Kind::kPost, 100},
    };
    ASSERT_EQ(messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(messages[i].kind, expected[i].first) << "message " << i;
        EXPECT_EQ(messages[i].code, expected[i].second) << "message " << i;
    }
    EXPECT_EQ(Find(messages, Kind::kPost, 20)->value, 12u);
    EXPECT_EQ(Find(messages, Kind::kPost, 24)->value, 1u);
    EXPECT_EQ(messages.back().value, 100u);
}

TEST(SettingsApply, AnEmptyNoteWithoutIconGetsTheFirstIcon) {
    for (const char* body : {"", " "}) {
        Opened dialog;
        dialog.values.bodyText = body;
        dialog.values.iconIndex = 0;
        dialog.values.pictureNumber = 0;
        const auto messages = dialog.Press();
        EXPECT_EQ(Find(messages, Kind::kPost, protocol::kStkPictureNumber)->value, 1u) << '"' << body << '"';
        EXPECT_EQ(dialog.values.iconIndex, 1);
    }
    Opened withText;
    withText.values.iconIndex = 0;
    withText.values.pictureNumber = 0;
    EXPECT_EQ(Find(withText.Press(), Kind::kPost, protocol::kStkPictureNumber)->value, 0u);
}

TEST(SettingsApply, RelayoutOrRepaintAgainstTheOpening) {
    Opened unchanged;
    EXPECT_EQ(LastCode(unchanged.Press()), protocol::kStkRepaint);

    Opened colour;  // a colour only repaints
    colour.values.stickerColor = 0x123456;
    EXPECT_EQ(LastCode(colour.Press()), protocol::kStkRepaint);

    Opened caption;  // compared with the opening, so every Apply after a caption change re-lays out
    caption.values.captionText = "Groceries";
    EXPECT_EQ(LastCode(caption.Press()), protocol::kStkRelayout);
    EXPECT_EQ(LastCode(caption.Press()), protocol::kStkRelayout);

    Opened size;  // a size is sent once: the stored size takes it
    size.values.sizeIndex = 4;
    auto messages = size.Press();
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[messages.size() - 2].code, protocol::kStkTextFontSize);
    EXPECT_EQ(messages[messages.size() - 2].value, 14u);
    EXPECT_EQ(LastCode(messages), protocol::kStkRelayout);
    messages = size.Press();
    EXPECT_EQ(Find(messages, Kind::kPost, protocol::kStkTextFontSize), nullptr);
    EXPECT_EQ(LastCode(messages), protocol::kStkRepaint);

    Opened style;  // so is a style
    style.values.style = 9;
    EXPECT_EQ(LastCode(style.Press()), protocol::kStkRelayout);
    EXPECT_EQ(LastCode(style.Press()), protocol::kStkRepaint);

    Opened toggled;  // the date box clicked: once
    toggled.opening.dateUseToggled = true;
    EXPECT_EQ(LastCode(toggled.Press()), protocol::kStkRelayout);
    EXPECT_EQ(LastCode(toggled.Press()), protocol::kStkRepaint);
}

TEST(SettingsApply, BoxesWithoutSelectionKeepTheStoredFontAndSize) {
    Opened dialog;
    dialog.values.captionFont.reset();
    dialog.values.textFont.reset();
    dialog.values.sizeIndex.reset();
    const auto messages = dialog.Press();
    EXPECT_EQ(Find(messages, Kind::kCopy, protocol::kStrCaptionFont)->text, "Tahoma");
    EXPECT_EQ(Find(messages, Kind::kCopy, protocol::kStrTextFont)->text, "Verdana");
    EXPECT_EQ(Find(messages, Kind::kPost, protocol::kStkTextFontSize), nullptr);
    EXPECT_EQ(LastCode(messages), protocol::kStkRepaint);
}

TEST(SettingsApply, SecondsWithADecimalComma) {
    EXPECT_EQ(FormatSeconds(1), "0,02");
    EXPECT_EQ(FormatSeconds(30), "0,60");
    EXPECT_EQ(FormatSeconds(255), "5,10");
    EXPECT_EQ(FormatSeconds(0), "3,00");  // a kept step 0 hides after 3 s
}

}  // namespace
}  // namespace velpiners
