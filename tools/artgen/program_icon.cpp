// The program's mark and icon file.
#include "tools/artgen/program_icon.h"

#include <algorithm>

#include "graphics/bmp.h"

namespace velpiners::artgen {

void DrawMark(Canvas& c, float x, float y, float size) {
    const float s = size / 48.0f;
    const Affine place = Affine::Translate(x, y).After(Affine::Scale(s, s));
    const int w = c.Width(), h = c.Height();
    auto cover = [&](const Path& p) { return Rasterize(p.Transformed(place), w, h); };
    const Path back = Path().RoundRect(10, 4, 32, 32, 2).Transformed(Affine::Rotate(12, 26, 20));
    c.Shadow(cover(back), 0, 2 * s, 2 * s, Grey(0, 0.35f));
    c.Fill(cover(back),
           Paint::Linear(place.Apply({10, 4}), place.Apply({40, 40}), {{0, Rgb(0x8FD3FF)}, {1, Rgb(0x3A8FD6)}}));
    Path front;
    front.MoveTo(5, 10).LineTo(37, 10).LineTo(37, 34).LineTo(29, 42).LineTo(5, 42).Close();
    const Path frontTurned = front.Transformed(Affine::Rotate(-6, 21, 26));
    c.Shadow(cover(frontTurned), 0, 2 * s, 2 * s, Grey(0, 0.4f));
    c.Fill(cover(frontTurned),
           Paint::Linear(place.Apply({5, 10}), place.Apply({37, 42}), {{0, Rgb(0xFFF1A0)}, {1, Rgb(0xFFD43A)}}));
    const Path fold =
        Path().MoveTo(37, 34).LineTo(30.5f, 35.5f).LineTo(29, 42).Close().Transformed(Affine::Rotate(-6, 21, 26));
    c.Fill(cover(fold), Rgb(0xE0B020));
    for (float ly : {21.0f, 27.0f, 33.0f}) {
        const Path line = Path().MoveTo(10, ly).LineTo(ly > 30 ? 24 : 31, ly).Transformed(Affine::Rotate(-6, 21, 26));
        c.Fill(Rasterize(Stroke(line.Transformed(place), 1.6f * s), w, h), Rgb(0xB08A1A, 0.7f));
    }
    const Path pin = Path().Circle(21, 11, 4.5f);
    c.Shadow(cover(pin), 1.5f * s, 2 * s, 1.5f * s, Grey(0, 0.45f));
    c.Fill(cover(pin),
           Paint::Radial(place.Apply({19.5f, 9.5f}), 5 * s, 5 * s, {{0, Rgb(0xFF8A80)}, {1, Rgb(0xC62828)}}));
    c.Fill(cover(Path().Ellipse(19.6f, 9.4f, 1.6f, 1.0f)), Color{1, 1, 1, 0.8f});
}

Canvas ProgramIconImage(int size) {
    Canvas c(size, size);
    if (size >= 32) {
        DrawMark(c, 0, static_cast<float>(size) * -0.03f, static_cast<float>(size));
        return c;
    }
    // At 16 pixels the mark keeps only what reads: one note, its fold and the pin.
    const float s = static_cast<float>(size) / 16.0f;
    Path note;
    note.MoveTo(1.5f, 2.5f).LineTo(14.5f, 2.5f).LineTo(14.5f, 11).LineTo(11, 14.5f).LineTo(1.5f, 14.5f).Close();
    note = note.Transformed(Affine::Scale(s, s));
    c.Fill(Rasterize(Stroke(note, 1.0f * s), size, size), Rgb(0x9A7400));
    c.Fill(note, Paint::Linear({0, 2.5f * s}, {0, 14.5f * s}, {{0, Rgb(0xFFF1A0)}, {1, Rgb(0xFFCF2A)}}));
    c.Fill(Path().MoveTo(14.5f, 11).LineTo(11.5f, 11.5f).LineTo(11, 14.5f).Close().Transformed(Affine::Scale(s, s)),
           Rgb(0xD9A514));
    c.Fill(Path().Rect(4, 7.5f, 7, 1).Rect(4, 10, 5, 1).Transformed(Affine::Scale(s, s)), Rgb(0xB08A1A, 0.8f));
    c.Fill(Path().Circle(8, 3.5f, 2.6f).Transformed(Affine::Scale(s, s)),
           Paint::Radial({7.2f * s, 2.7f * s}, 3 * s, 3 * s, {{0, Rgb(0xFF8A80)}, {1, Rgb(0xB71C1C)}}));
    return c;
}

namespace {
void PutLe32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}
}  // namespace

std::vector<std::uint8_t> ProgramIconFile() {
    const int sizes[] = {16, 32, 48};
    std::vector<std::vector<std::uint8_t>> images;
    for (int size : sizes) {
        const graphics::Picture picture = ToPicture32(ProgramIconImage(size));
        // An icon image is a BMP without its file header, twice as high (colour rows, then the AND mask).
        std::vector<std::uint8_t> bmp = graphics::EncodeBmp(picture);
        std::vector<std::uint8_t> image(bmp.begin() + 14, bmp.end());
        PutLe32(image, 8, static_cast<std::uint32_t>(2 * size));
        const int maskStride = ((size + 31) / 32) * 4;
        std::vector<std::uint8_t> mask(static_cast<std::size_t>(maskStride) * static_cast<std::size_t>(size), 0);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (picture.Pixel(x, y)[3] == 0)
                    mask[static_cast<std::size_t>(size - 1 - y) * static_cast<std::size_t>(maskStride) +
                         static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        image.insert(image.end(), mask.begin(), mask.end());
        PutLe32(image, 20, static_cast<std::uint32_t>(image.size() - 40));
        images.push_back(std::move(image));
    }
    std::vector<std::uint8_t> file;
    auto put16 = [&](std::uint16_t v) {
        file.push_back(static_cast<std::uint8_t>(v)), file.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    auto put32 = [&](std::uint32_t v) {
        put16(static_cast<std::uint16_t>(v)), put16(static_cast<std::uint16_t>(v >> 16));
    };
    put16(0);
    put16(1);
    put16(static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        file.push_back(static_cast<std::uint8_t>(sizes[i]));
        file.push_back(static_cast<std::uint8_t>(sizes[i]));
        file.push_back(0);
        file.push_back(0);
        put16(1);
        put16(32);
        put32(static_cast<std::uint32_t>(images[i].size()));
        put32(offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
    return file;
}

}  // namespace velpiners::artgen
