// The geometry of a sticker, in pixels of its picture: where its lines start, how the picture, the state
// point, the pins and the date sit, and the margins the measuring and painting keep. The painter, the hit
// tests and the makers of new stickers all take their numbers from here.
#pragma once

#include <cstdint>

namespace velpiners::layout {

// One line of a new sticker: where it starts, how wide its area is, its font size.
struct LineGeometry {
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    std::uint8_t fontSize;
};
inline constexpr LineGeometry kCaptionLine{14, 2, 255, 10};
inline constexpr LineGeometry kDateLine{14, 2, 255, 7};
inline constexpr LineGeometry kBodyLine{16, 26, 208, 8};

// The caption row the full repaint writes: style 2 draws its caption lower than the others.
inline constexpr std::uint8_t kLowCaptionStyle = 2;
inline constexpr std::int32_t kLowCaptionRow = 4;
inline constexpr std::int32_t kCaptionRow = 2;

// Measuring the body text: the box it wraps in, the spare rows and margins around the ink, and the
// lowest bottom the text area may have.
inline constexpr int kTextBoxWidth = 240;
inline constexpr int kMeasureSpareLines = 4;
inline constexpr int kInkMargin = 24;
inline constexpr int kMinTextBottom = 16;
// Room between the caption and the date of the framed and icon styles.
inline constexpr int kCaptionDateGap = 16;
// Styles 0..8 draw the caption and the date line.
inline constexpr std::uint8_t kLastCaptionStyle = 8;

// The plain panel shown when the skins cannot be composed: the text area, a margin, and a least size.
inline constexpr int kPanelMargin = 16;
inline constexpr int kPanelMinWidth = 74;
inline constexpr int kPanelMinHeight = 45;

// The body text: lifted this much on the frame styles; a frame style's text area reaches at least
// kFrameTextRight when it would end before kFrameTextRightFrom; the text area ends this far below the ink.
inline constexpr int kFrameTextLift = 7;
inline constexpr int kFrameTextRightFrom = 77;
inline constexpr int kFrameTextRight = 79;
inline constexpr int kTextBottomMargin = 4;

// The date line: right-aligned this far from the right edge, at this row.
inline constexpr int kDateRightMargin = 30;
inline constexpr int kDateRow = 6;

// The state point (the pushpin's picture): its distance from the right edge and its row.
inline constexpr int kPointRight = 24;
inline constexpr int kPointRow = 6;
inline constexpr int kFramePointRight = 26;
inline constexpr int kFramePointRow = 10;

// The sticker's picture. Beside the caption: left of the caption's X by kPictureLeftOfCaption (frame
// styles kFramePictureInset further right and higher); a picture lower than kSmallPictureHeight sits at
// row kSmallPictureRow; one up to kLargestCaptionPicture high sticks out above the skin by extra rows:
// its height less kPictureOverlap up to kTallPictureFrom, else half its height less kHalfPictureOverlap.
// The caption and the icon styles' text start kPictureTextGap right of it; the caption's right edge counts
// kPictureCaptionGap more. On the icon styles it stands at kIconPictureLeft, centred vertically.
inline constexpr int kPictureLeftOfCaption = 2;
inline constexpr int kFramePictureInset = 2;
inline constexpr int kSmallPictureHeight = 17;
inline constexpr int kSmallPictureRow = 4;
inline constexpr int kLargestCaptionPicture = 100;
inline constexpr int kTallPictureFrom = 32;
inline constexpr int kPictureOverlap = 18;
inline constexpr int kHalfPictureOverlap = 2;
inline constexpr int kPictureTextGap = 4;
inline constexpr int kPictureCaptionGap = 2;
inline constexpr int kIconPictureLeft = 16;
inline constexpr int kIconTextLeft = 16;

// The pin row: four pins kPinStep apart, right to left close, duplicate, edit, roll; each kPinHeight high.
// Rolled up, the framed styles' row moves kRolledPinShift further left.
inline constexpr std::int32_t kPinStep = 18;
inline constexpr std::int32_t kPinHeight = 15;
inline constexpr std::int32_t kRolledPinShift = 18;

}  // namespace velpiners::layout
