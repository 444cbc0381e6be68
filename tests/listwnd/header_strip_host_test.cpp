// The GWLBHDR strip as a host fills and sizes it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>

#include "kavoapi.h"

namespace {

struct Strip {
    HWND window;
    qlw_header_strip *record;
    Strip()
    {
        window = CreateWindowExW(0, L"GWLBHDR", L"", WS_POPUP | WS_VISIBLE, 0, 0, 600, 40, nullptr, nullptr,
                                 GetModuleHandleA("KavoApi.dll"), nullptr);
        record = reinterpret_cast<qlw_header_strip *>(GetWindowLongPtrW(window, 0));
    }
    ~Strip() { DestroyWindow(window); }
    void fill(const wchar_t *captions)
    {
        record->column_count = 3;
        record->column_ratio[1] = 0.25f;
        record->column_ratio[2] = 0.5f;
        record->chars_across = 60;
        std::wcsncpy(reinterpret_cast<wchar_t *>(record->caption), captions, 400);
    }
    // Dark pixels of the captions in x0..x1 above and below the middle.
    std::pair<int, int> ink(int x0, int x1)
    {
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
        HDC dc = GetDC(window);
        int above = 0, below = 0;
        for (int y = 2; y < 38; ++y)
            for (int x = x0; x < x1; ++x)
                if (GetPixel(dc, x, y) == RGB(0, 0, 0))
                    ++(y < 20 ? above : below);
        ReleaseDC(window, dc);
        return {above, below};
    }
};

TEST(HeaderStrip, WidthMessagePlacesBordersAndScalesTheFont)
{
    Strip strip;
    ASSERT_NE(strip.record, nullptr);
    EXPECT_EQ(strip.record->column_count, 0) << "zero-filled";
    strip.fill(L"One|Two\\lines|Three");
    SendMessageW(strip.window, QLW_HDR_SETWIDTH, 600, 0);
    EXPECT_EQ(strip.record->column_x[1], 150);
    EXPECT_EQ(strip.record->column_x[2], 300);
    EXPECT_NE(strip.record->font, nullptr);

    const auto one = strip.ink(2, 148), two = strip.ink(152, 298), three = strip.ink(302, 598);
    EXPECT_GT(one.first, 0);
    EXPECT_GT(one.second, 0) << "a one-line caption is centred on the middle";
    EXPECT_GT(two.first, 0);
    EXPECT_GT(two.second, 0);
    EXPECT_GT(three.first + three.second, 0);

    Strip fixed;
    fixed.fill(L"Only one");
    fixed.record->fixed_font = 1;
    SendMessageW(fixed.window, QLW_HDR_SETWIDTH, 400, 0);
    EXPECT_EQ(fixed.record->column_x[1], 100);
    EXPECT_EQ(fixed.record->font, nullptr) << "a fixed font strip makes no font";
    const auto blank = fixed.ink(102, 198);
    EXPECT_EQ(blank.first + blank.second, 0) << "fewer captions than columns leave columns blank";
}

} // namespace
