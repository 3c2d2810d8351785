// Painting that reuses earlier work (backgrounds shared between stickers of one look, the measuring of an
// unchanged text, the text layer kept for focus and layer repaints) shows exactly what painting anew shows:
// a sticker changed after another of the same look was drawn, or after its own earlier paints, is compared
// pixel for pixel with a sticker that has the same blocks and is drawn alone, by a host that keeps no
// backgrounds.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/shared_pictures_win.h"
#include "protocol/protocol.h"
#include "sticker/stick_form_win.h"
#include "tests/win32/test_support.h"

namespace velpiners {
namespace {

using graphics::Picture;

class ReuseHost : public StickerHost {
public:
    explicit ReuseHost(bool keepsBackgrounds) : m_keepsBackgrounds(keepsBackgrounds) {
        m_pictures.Load(test::ProgramResources());
    }
    HWND ControllerWindow() const override { return nullptr; }
    std::string Text(TextKey key) const override { return std::string(InfoOf(key).key); }
    std::wstring ShownText(TextKey key) const override {
        const std::string text = Text(key);
        return std::wstring(text.begin(), text.end());
    }
    void Duplicate(const StickerRecord&) override {}
    void OpenProperties(HWND, const StickerRecord&, int) override {}
    const Picture& SharedPicture(std::string_view name) const override { return m_pictures.Get(name); }
    void PictureByNumber(Picture& target, int number) override {
        if (number >= 1 && number <= 34) target = m_pictures.BuiltInIcon(number - 1);
    }
    graphics::BackgroundCache* Backgrounds() override {
        return m_keepsBackgrounds ? &m_pictures.Backgrounds() : nullptr;
    }

private:
    bool m_keepsBackgrounds;
    SharedPictures m_pictures;
};

// A sticker window that goes with the test.
struct Sticker {
    explicit Sticker(StickerHost& host) : form(TStickForm::Create(host, nullptr)) {}
    ~Sticker() {
        if (form != nullptr && ::IsWindow(form->Handle())) ::DestroyWindow(form->Handle());
    }
    Sticker(const Sticker&) = delete;
    Sticker& operator=(const Sticker&) = delete;
    void Command(std::uint32_t code, WPARAM value = 0) const {
        ::SendMessageA(form->Handle(), protocol::kStickerCommandMessage, value, code);
    }
    void Focus(bool focused) const { ::SendMessageA(form->Handle(), focused ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0); }
    TStickForm* form;
};

void Fill(StickerRecord& blocks) {
    blocks.caption.text.Set("Shopping");
    blocks.body.text.Set("Buy milk and bread\r\nCall the dentist at 10");
    PlacementBlock& p = blocks.placement;
    p.style = 0;
    p.useOwnColor = 1;
    p.color = 0x3050D0;
    p.SetPictureNumber(4);
}

bool SamePixels(const Picture& a, const Picture& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        if (std::memcmp(a.Row(y), b.Row(y), static_cast<std::size_t>(a.Width()) * 4) != 0) return false;
    return true;
}

// The paints a sticker went through since its last layout (an unfocused icon style shows its pushpin after
// a layout, not after a repaint).
enum class Since { kLayout, kRepaint, kFocus, kFocusAndLoss };

class PaintReuseTest : public ::testing::Test {
protected:
    void TearDown() override { test::PumpMessages(); }

    // The picture of a sticker with these blocks drawn alone by a host that keeps nothing: laid out, then
    // painted as `since` says.
    Picture DrawnAlone(const StickerRecord& blocks, Since since) {
        Sticker alone(m_aloneHost);
        StickerRecord& target = alone.form->Blocks();
        target.caption = blocks.caption;
        target.date = blocks.date;
        target.body = blocks.body;
        target.placement = blocks.placement;
        alone.form->Relayout();
        if (since == Since::kRepaint) alone.form->Repaint();
        if (since == Since::kFocus || since == Since::kFocusAndLoss) alone.Focus(true);
        if (since == Since::kFocusAndLoss) alone.Focus(false);
        return alone.form->Composed();
    }

    ReuseHost m_host{true};
    ReuseHost m_aloneHost{false};
};

TEST_F(PaintReuseTest, ChangesAfterAnotherStickerOfTheSameLookShowWhatAStickerDrawnAloneShows) {
    Sticker first(m_host);
    Sticker second(m_host);
    Fill(first.form->Blocks());
    Fill(second.form->Blocks());
    // The first sticker fills the cache and keeps its text layer; the second is drawn from both.
    first.form->Relayout();
    first.Focus(true);
    first.Focus(false);
    second.form->Relayout();
    second.Focus(true);
    second.Focus(false);
    ASSERT_TRUE(SamePixels(first.form->Composed(), second.form->Composed()));
    ASSERT_TRUE(SamePixels(second.form->Composed(), DrawnAlone(second.form->Blocks(), Since::kFocusAndLoss)));

    struct Change {
        const char* name;
        std::function<void(StickerRecord&)> apply;
        std::uint32_t command;  // what a sender ends the change with
    };
    const std::vector<Change> changes = {
        {"colour", [](StickerRecord& b) { b.placement.color = 0x20A060; }, protocol::kStkRepaint},
        {"caption colour", [](StickerRecord& b) { b.caption.color = 0x00FFFF; }, protocol::kStkRepaint},
        {"shadow colour", [](StickerRecord& b) { b.placement.shadowColor = 0x0000FF; }, protocol::kStkRepaint},
        {"no own colour", [](StickerRecord& b) { b.placement.useOwnColor = 0; }, protocol::kStkRepaint},
        {"style", [](StickerRecord& b) { b.placement.style = 3; }, protocol::kStkRelayout},
        {"size", [](StickerRecord& b) { b.body.text.Set("Buy milk\r\nand bread\r\nand cheese\r\nand tea"); },
         protocol::kStkRelayout},
        {"same size, other text",
         [](StickerRecord& b) { b.body.text.Set("Buy milk\r\nand bread\r\nand cheese\r\nand jam"); },
         protocol::kStkRelayout},
        {"rolled up", [](StickerRecord& b) { b.placement.unrolled = 0; }, protocol::kStkRelayout},
        {"unrolled", [](StickerRecord& b) { b.placement.unrolled = 1; }, protocol::kStkRelayout},
        {"icon style", [](StickerRecord& b) { b.placement.style = 13; }, protocol::kStkRelayout},
        {"icon style rolled up", [](StickerRecord& b) { b.placement.unrolled = 0; }, protocol::kStkRelayout},
        {"back to the first look",
         [](StickerRecord& b) {
             Fill(b);
             b.placement.unrolled = 1;
             b.body.text.Set("Buy milk and bread\r\nCall the dentist at 10");
         },
         protocol::kStkRelayout},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        change.apply(second.form->Blocks());
        second.Command(change.command);
        const Since painted = change.command == protocol::kStkRepaint ? Since::kRepaint : Since::kLayout;
        EXPECT_TRUE(SamePixels(second.form->Composed(), DrawnAlone(second.form->Blocks(), painted)));
        // Focus and its loss repaint from the kept text layer.
        second.Focus(true);
        EXPECT_TRUE(SamePixels(second.form->Composed(), DrawnAlone(second.form->Blocks(), Since::kFocus)));
        second.Focus(false);
        EXPECT_TRUE(SamePixels(second.form->Composed(), DrawnAlone(second.form->Blocks(), Since::kFocusAndLoss)));
    }
    // The first sticker, drawn from the same cache meanwhile, still shows its own look.
    first.form->Repaint();
    EXPECT_TRUE(SamePixels(first.form->Composed(), DrawnAlone(first.form->Blocks(), Since::kRepaint)));
}

TEST_F(PaintReuseTest, ALayerChangeRepaintsOnlyThePushpin) {
    Sticker sticker(m_host);
    Fill(sticker.form->Blocks());
    sticker.form->Relayout();
    sticker.Focus(true);
    sticker.form->Placement().layer = 0;
    sticker.form->Repaint();
    EXPECT_TRUE(SamePixels(sticker.form->Composed(), DrawnAlone(sticker.form->Blocks(), Since::kFocus)));
    sticker.form->Placement().layer = 1;
    sticker.form->Repaint();
    EXPECT_TRUE(SamePixels(sticker.form->Composed(), DrawnAlone(sticker.form->Blocks(), Since::kFocus)));
}

}  // namespace
}  // namespace velpiners
