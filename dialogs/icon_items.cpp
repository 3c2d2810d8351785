#include "dialogs/icon_items.h"

#include "graphics/ress.h"

namespace velpiners::dialogs {
namespace {

constexpr std::string_view kNumberEnd = "||";
// A picture number has at most five digits (the stored number is 16 bits).
constexpr std::size_t kMostDigits = 5;

}  // namespace

std::string IconSizeLabel(int width, int height) {
    return " (" + std::to_string(width) + "x" + std::to_string(height) + ")";
}

std::string UserIconItem(int number, std::string_view label) {
    return "|" + std::to_string(number) + std::string(kNumberEnd) + std::string(label);
}

std::string IconLabelOf(std::string_view item) {
    if (item.find('|') == std::string_view::npos) return std::string(item);
    const std::size_t end = item.find(kNumberEnd);
    return end == std::string_view::npos ? std::string() : std::string(item.substr(end + kNumberEnd.size()));
}

int PictureNumberOfItem(std::string_view item) {
    const std::size_t start = item.find('|');
    if (start == std::string_view::npos) return 0;
    const std::size_t end = item.find(kNumberEnd, start + 1);
    if (end == std::string_view::npos) return 0;
    const std::string_view digits = item.substr(start + 1, end - start - 1);
    if (digits.empty() || digits.size() > kMostDigits) return 0;
    int number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return 0;
        number = number * 10 + (c - '0');
    }
    return number;
}

int IconItemIndex(int number, const std::vector<std::string>& items) {
    if (number < 0) return 0;
    if (number <= graphics::kBuiltInPictures) return number;
    if (number < graphics::kFirstUserPicture) return 1;
    for (std::size_t i = graphics::kBuiltInPictures + 1; i < items.size(); ++i)
        if (PictureNumberOfItem(items[i]) == number) return static_cast<int>(i);
    return 0;
}

int PictureNumberAt(int index, const std::vector<std::string>& items) {
    if (index <= graphics::kBuiltInPictures) return index < 0 ? 0 : index;
    if (static_cast<std::size_t>(index) >= items.size()) return 0;
    return PictureNumberOfItem(items[static_cast<std::size_t>(index)]);
}

}  // namespace velpiners::dialogs
