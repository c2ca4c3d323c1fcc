// Bitmaps, icons and the cursor: the sizes and depths the windows are built
// around, in both languages, and pictures that load through the system.
#include "ResourceReader.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

struct BitmapInfo {
    LONG width = 0, height = 0;
    WORD bits = 0;
};

BitmapInfo Header(UINT id, LANGID language)
{
    std::vector<BYTE> bytes = ResourceReader(language).Data(reinterpret_cast<LPCWSTR>(RT_BITMAP), id);
    BitmapInfo info;
    if (bytes.size() >= sizeof(BITMAPINFOHEADER)) {
        BITMAPINFOHEADER header;
        std::memcpy(&header, bytes.data(), sizeof header);
        info = {header.biWidth, header.biHeight, header.biBitCount};
    }
    return info;
}

struct Background {
    UINT id;
    LONG enWidth, enHeight, jaWidth, jaHeight;
};

// The sizes the windows were designed around, or the window's own size where
// it is larger under this platform's fonts (every Japanese window, and every
// window at 120 dpi), so that the pattern never starts again inside it.
const Background kBackgrounds[] = {
    {IDB_BACK_COLOR, 500, 410, 503, 452},           {IDB_BACK_COLOR_LARGE, 644, 466, 649, 560},
    {IDB_BACK_COLOR_SUB, 516, 510, 495, 546},       {IDB_BACK_COLOR_SUB_LARGE, 664, 578, 637, 672},
    {IDB_BACK_TUNORA, 387, 343, 371, 341},          {IDB_BACK_TUNORA_LARGE, 497, 389, 477, 420},
    {IDB_BACK_AUTO_COLOR, 500, 410, 503, 452},      {IDB_BACK_AUTO_COLOR_LARGE, 644, 466, 649, 560},
    {IDB_BACK_HOT_KEY, 500, 410, 503, 452},         {IDB_BACK_HOT_KEY_LARGE, 644, 466, 649, 560},
};

// Enabled and disabled label image of each colour adjustment group.
const std::pair<UINT, UINT> kLabelPairs[] = {
    {IDB_BRIGHTNESS, IDB_BRIGHTNESS_OFF},   {IDB_CONTRAST, IDB_CONTRAST_OFF},
    {IDB_BLACK_LEVEL, IDB_BLACK_LEVEL_OFF}, {IDB_GAIN_RED, IDB_GAIN_RED_OFF},
    {IDB_GAIN_GREEN, IDB_GAIN_GREEN_OFF},   {IDB_GAIN_BLUE, IDB_GAIN_BLUE_OFF},
    {IDB_SATURATION, IDB_SATURATION_OFF},   {IDB_HUE, IDB_HUE_OFF},
    {IDB_GAMMA, IDB_GAMMA_OFF},             {IDB_CONTRAST_ENHANCER, IDB_CONTRAST_ENHANCER_OFF},
    {IDB_VELOCIS, IDB_VELOCIS_OFF},         {IDB_OVERDRIVE, IDB_OVERDRIVE_OFF},
    {IDB_NOISE_REDUCTION, IDB_NOISE_REDUCTION_OFF},
};

// The bitmap as 32-bit pixels (0x00RRGGBB), decoded by the system.
std::vector<COLORREF> Pixels(UINT id, LONG* width, LONG* height)
{
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    *width = info.bmWidth;
    *height = info.bmHeight;
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), info.bmWidth, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<COLORREF> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    return pixels;
}

int Spread(COLORREF pixel)
{
    int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return std::max({r, g, b}) - std::min({r, g, b});
}

// The sizes an icon group offers, read from its directory.
std::vector<int> IconSizes(UINT id)
{
    std::vector<BYTE> dir = ResourceReader(MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL))
                                .Data(reinterpret_cast<LPCWSTR>(RT_GROUP_ICON), id);
    std::vector<int> sizes;
    if (dir.size() < 6)
        return sizes;
    int count = dir[4] | (dir[5] << 8);
    for (int i = 0; i < count && 6 + 14 * (i + 1) <= int(dir.size()); ++i)
        sizes.push_back(dir[6 + 14 * i] ? dir[6 + 14 * i] : 256);
    return sizes;
}

} // namespace

TEST(Bitmaps, BackgroundsHaveTheirSizesPerLanguageAndAre8Bit)
{
    for (const Background& back : kBackgrounds) {
        for (bool japanese : {false, true}) {
            BitmapInfo info = Header(back.id, japanese ? ResourceReader::Japanese() : ResourceReader::English());
            LONG width = japanese ? back.jaWidth : back.enWidth, height = japanese ? back.jaHeight : back.enHeight;
            EXPECT_EQ(info.width, width) << "bitmap " << back.id << (japanese ? " ja" : " en");
            EXPECT_EQ(info.height, height) << "bitmap " << back.id << (japanese ? " ja" : " en");
            EXPECT_EQ(info.bits, 8) << "bitmap " << back.id << (japanese ? " ja" : " en");
        }
    }
}

TEST(Bitmaps, BackgroundsAreDarkSoWhiteTextReads)
{
    for (const Background& back : kBackgrounds) {
        LONG width = 0, height = 0;
        std::vector<COLORREF> pixels = Pixels(back.id, &width, &height);
        ASSERT_EQ(pixels.size(), size_t(width) * height);
        double sum = 0;
        for (COLORREF p : pixels)
            sum += 0.3 * ((p >> 16) & 0xFF) + 0.59 * ((p >> 8) & 0xFF) + 0.11 * (p & 0xFF);
        EXPECT_LT(sum / pixels.size(), 60.0) << "bitmap " << back.id;
    }
}

TEST(Bitmaps, LabelImagesPairUpInColourEnabledAndGreyDisabled)
{
    for (auto [enabled, disabled] : kLabelPairs) {
        for (LANGID language : {ResourceReader::English(), ResourceReader::Japanese()}) {
            BitmapInfo on = Header(enabled, language), off = Header(disabled, language);
            EXPECT_GT(on.width, 0) << "bitmap " << enabled;
            EXPECT_EQ(std::pair(on.width, on.height), std::pair(off.width, off.height)) << "bitmap " << enabled;
        }
        LONG w = 0, h = 0;
        std::vector<COLORREF> on = Pixels(enabled, &w, &h), off = Pixels(disabled, &w, &h);
        EXPECT_NE(on, off) << "bitmap " << enabled;
        int spread = 0;
        for (COLORREF p : off)
            spread = std::max(spread, Spread(p));
        EXPECT_LE(spread, 12) << "disabled bitmap " << disabled << " has colour";
        // Colour is what tells the two apart at a glance: a grey symbol only
        // darkens when disabled.
        EXPECT_GE(std::count_if(on.begin(), on.end(), [](COLORREF p) { return Spread(p) >= 40; }), 12)
            << "enabled bitmap " << enabled << " is nearly grey";
    }
}

TEST(Bitmaps, TemperatureScalesRunFromWarmToCool)
{
    for (LANGID language : {ResourceReader::English(), ResourceReader::Japanese()}) {
        EXPECT_GE(Header(IDB_COLOR_BAR, language).bits, 16);
        EXPECT_GE(Header(IDB_COLOR_BAR_GREY, language).bits, 16);
        EXPECT_LE(Header(IDB_COLOR_BAR_LOW, language).bits, 8);
        EXPECT_LE(Header(IDB_COLOR_BAR_GREY_LOW, language).bits, 8);
        EXPECT_GT(Header(IDB_MONITOR, language).width, 0);
    }
    for (UINT colour : {IDB_COLOR_BAR, IDB_COLOR_BAR_LOW}) {
        LONG w = 0, h = 0;
        std::vector<COLORREF> bar = Pixels(colour, &w, &h);
        ASSERT_GT(w, 1);
        COLORREF left = bar[size_t(h / 2) * w], right = bar[size_t(h / 2) * w + w - 1];
        EXPECT_GT((left >> 16) & 0xFF, left & 0xFF) << "warm end " << colour;
        EXPECT_GT(right & 0xFF, (right >> 16) & 0xFF) << "cool end " << colour;
    }
    for (UINT grey : {IDB_COLOR_BAR_GREY, IDB_COLOR_BAR_GREY_LOW}) {
        LONG w = 0, h = 0;
        for (COLORREF p : Pixels(grey, &w, &h))
            ASSERT_LE(Spread(p), 2) << "grey scale " << grey;
    }
}

TEST(Icons, BothApplicationIconsOfferThreeSizes)
{
    for (UINT id : {IDI_APP, IDI_APP_NO_MONITOR}) {
        std::vector<int> sizes = IconSizes(id);
        std::sort(sizes.begin(), sizes.end());
        EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48})) << "icon " << id;
        for (int size : {16, 32, 48}) {
            HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                       IMAGE_ICON, size, size, 0));
            ASSERT_NE(icon, nullptr) << "icon " << id << " size " << size;
            DestroyIcon(icon);
        }
    }
}

TEST(Icons, HandCursorIsMonochrome32WithItsHotSpotAtTheFingerTip)
{
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_CURSOR_HAND));
    ASSERT_NE(hand, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 5u);
    EXPECT_EQ(info.yHotspot, 0u);
    EXPECT_EQ(info.hbmColor, nullptr) << "a monochrome cursor has no colour bitmap";
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 64) << "AND and XOR masks of 32 rows each";
    BYTE bits[4 * 64] = {};
    GetBitmapBits(info.hbmMask, sizeof bits, bits);
    EXPECT_EQ(bits[0] & (0x80 >> 5), 0) << "the hot spot lies on the hand, not beside it";
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
}
