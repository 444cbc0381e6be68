// The GWLBHDR strip as a host fills and sizes it: the borders and font
// written into the host's record, and the captions painted in their columns.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "kavoapi.h"

namespace {

TEST(HeaderStrip, WidthMessageFillsTheRecordAndCaptionsPaintInTheirColumns)
{
    const struct {
        const wchar_t *captions;
        int32_t fixed_font;
        WPARAM width;
        int32_t border1;
        bool font_made;
        const char *inked; // per column: 2 above and below the middle, 1 one side, 0 blank
    } cases[] = {
        {L"One|Two\\lines|Three", 0, 600, 150, true, "222"},
        {L"Only one", 1, 400, 100, false, "200"},
    };
    for (const auto &c : cases) {
        HWND strip = CreateWindowExW(0, L"GWLBHDR", L"", WS_POPUP | WS_VISIBLE, 0, 0, 600, 40, nullptr, nullptr,
                                     GetModuleHandleA("KavoApi.dll"), nullptr);
        auto *record = reinterpret_cast<qlw_header_strip *>(GetWindowLongPtrW(strip, 0));
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->column_count, 0) << "zero-filled";
        record->column_count = 3;
        record->column_ratio[1] = 0.25f;
        record->column_ratio[2] = 0.5f;
        record->chars_across = 60;
        record->fixed_font = c.fixed_font;
        std::wcsncpy(reinterpret_cast<wchar_t *>(record->caption), c.captions, 400);
        SendMessageW(strip, QLW_HDR_SETWIDTH, c.width, 0);
        EXPECT_EQ(record->column_x[1], c.border1);
        EXPECT_EQ(record->font != nullptr, c.font_made);
        InvalidateRect(strip, nullptr, TRUE);
        UpdateWindow(strip);
        HDC dc = GetDC(strip);
        std::string inked;
        for (int column = 0; column < 3; ++column) {
            const int x0 = column ? record->column_x[column] + 2 : 2;
            const int x1 = column < 2 ? record->column_x[column + 1] - 2 : static_cast<int>(c.width) - 2;
            bool above = false, below = false;
            for (int y = 2; y < 38; ++y)
                for (int x = x0; x < x1; ++x)
                    if (GetPixel(dc, x, y) == RGB(0, 0, 0))
                        (y < 20 ? above : below) = true;
            inked += static_cast<char>('0' + above + below);
        }
        ReleaseDC(strip, dc);
        EXPECT_EQ(inked, c.inked) << "a one-line caption is centred on the middle; missing captions leave blanks";
        DestroyWindow(strip);
    }
}

} // namespace
