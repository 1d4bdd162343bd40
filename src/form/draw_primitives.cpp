#include "form/draw_primitives.h"

#include <cstdlib>

namespace rekol {

void DrawGrid(DeviceContext& dc, const GridSpec& spec)
{
    if (spec.size() < 5)
        return;
    const int top = spec[0];
    const int left = spec[1];
    const int pitch = spec[2];
    const int rows = spec[3];
    const int n = spec[4];
    if (n < 1 || spec.size() < static_cast<std::size_t>(5 + n))
        return;
    const Pen old = dc.SelectPen(CreatePen(2));
    const int bottom = top + rows * pitch;
    const int right = spec[static_cast<std::size_t>(4 + n)];

    dc.MoveTo(left, top);
    dc.LineTo(left, bottom);
    dc.LineTo(right, bottom);
    dc.LineTo(right, top);
    dc.LineTo(left, top);
    for (int r = 1; r < rows; ++r) {
        dc.MoveTo(left, top + r * pitch);
        dc.LineTo(right, top + r * pitch);
    }
    for (int k = 0; k < n; ++k) {
        const int x = spec[static_cast<std::size_t>(5 + k)];
        dc.MoveTo(x, top);
        dc.LineTo(x, bottom);
    }
    dc.SelectPen(old);
}

void DrawCheckBox(DeviceContext& dc, int x, int y, int tick, unsigned size)
{
    // Unsigned arithmetic, as the sizes are resolutions divided down.
    const unsigned dx = static_cast<unsigned>(dc.GetDeviceCaps(DeviceCap::LogPixelsX));
    const unsigned dy = static_cast<unsigned>(dc.GetDeviceCaps(DeviceCap::LogPixelsY));
    const Pen thin = CreatePen(static_cast<int>(dx / 120));
    const Pen thick = CreatePen(static_cast<int>(dx / 45));
    const int w = static_cast<int>(dx / size);
    const int h = static_cast<int>(dy / size);

    const Pen old = dc.SelectPen(thin);
    dc.MoveTo(x, y);
    dc.LineTo(x - w, y);
    dc.LineTo(x - w, y - h);
    dc.LineTo(x, y - h);
    dc.LineTo(x, y);
    if (tick != 0) {
        dc.SelectPen(thick);
        dc.MoveTo(x - w + static_cast<int>(dx / 35), y - h / 2);
        dc.LineTo(x - w / 2, y - static_cast<int>(dy / 50));
        dc.LineTo(x - static_cast<int>(dx / 40), y - h + static_cast<int>(dy / 40));
    }
    dc.SelectPen(old);
}

void MakePointFont(LogFont& font, int tenths, const QString& face, const DeviceContext& dc)
{
    font = LogFont{};
    font.faceName = face.left(31);
    const int pixels = dc.GetDeviceCaps(DeviceCap::LogPixelsY) * tenths / 720;
    font.height = -std::abs(pixels);
    font.pointTenths = tenths;
}

namespace {

// Languages whose names need a character set of their own; the comparison
// is exact and case-sensitive.
struct LanguageCharSetRule {
    const char* language;
    std::uint8_t charSet;
};

constexpr LanguageCharSetRule kLanguageCharSets[] = {
    {"Turkish", TurkishCharSet},
    {"Polish", EastEuropeCharSet},
    {"cz", EastEuropeCharSet},
    {"sk", EastEuropeCharSet},
    {"estonian", BalticCharSet},
};

} // namespace

std::uint8_t LanguageCharSet(const QString& language)
{
    for (const LanguageCharSetRule& rule : kLanguageCharSets) {
        if (language == QLatin1String(rule.language))
            return rule.charSet;
    }
    return DefaultCharSet;
}

void ApplyLanguageFont(LogFont& font, bool bold, const QString& language)
{
    if (const std::uint8_t charSet = LanguageCharSet(language); charSet != DefaultCharSet)
        font.charSet = charSet;
    if (bold)
        font.weight = FontWeightBold;
}

} // namespace rekol
