// Named fonts and pens through their exports, with the table counts seen
// from inside; the system font and the language code page.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "util/module_state.h"
#include "graphics/fonts_pens.h"
#include "kavoapi.h"

namespace {

class FontsPens : public ::testing::Test {
protected:
    void SetUp() override
    {
        qafont_release_systemfont();
        kavo::pens_release_all();
        dc_ = CreateCompatibleDC(nullptr);
    }
    void TearDown() override
    {
        DeleteDC(dc_);
        qafont_release_systemfont();
        kavo::pens_release_all();
    }
    HDC dc_ = nullptr;
};

TEST_F(FontsPens, OnlyHeightAndColourMakeAFontAgain)
{
    EXPECT_EQ(qafont_check("T1", "Arial", "B", 30, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(qafont_check("T1", "Arial", "B", 30, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(qafont_check("T1", "Courier", "I", 30, 45, 1, 0, 0, 0), 0) << "face, style, angle, opaque ignored";
    font_info info;
    EXPECT_EQ(qafont_get_info("T1", &info), 0);
    EXPECT_STREQ(info.face, "Arial");
    EXPECT_STREQ(info.style, "B");
    EXPECT_EQ(info.opaque, 0);

    EXPECT_EQ(qafont_check("T1", "Courier", "I", 30, 0, 1, 255, 0, 0), 1) << "a new colour makes it again";
    EXPECT_EQ(kavo::font_count(), 1);
    EXPECT_EQ(qafont_get_info("T1", &info), 0);
    EXPECT_STREQ(info.face, "Courier");
    EXPECT_EQ(info.red, 255);
    EXPECT_EQ(qafont_check("t1", "Arial", "", 30, 0, 0, 0, 0, 0), 1) << "names are case-sensitive";
    EXPECT_EQ(qafont_check("LONGNAME9", "Arial", "", 20, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(qafont_check("LONGNAME9", "Arial", "", 20, 0, 0, 0, 0, 0), 0) << "a long name finds its record";
    EXPECT_EQ(kavo::font_count(), 3);
    EXPECT_EQ(qafont_Hmm10("LONGNAME"), 20);
    EXPECT_EQ(qafont_Hmm10("none"), 0);
}

TEST_F(FontsPens, UnknownFontGivesDefaultsAndLeavesTheSelectionAlone)
{
    font_info info;
    std::memset(&info, 0x55, sizeof info);
    EXPECT_EQ(qafont_get_info("none", &info), -1);
    EXPECT_STREQ(info.name, "none");
    EXPECT_STREQ(info.face, "Arial");
    EXPECT_EQ(info.height, 40);
    EXPECT_EQ(info.red, 0);

    HGDIOBJ before = GetCurrentObject(dc_, OBJ_FONT);
    EXPECT_EQ(qafont_select(dc_, "none"), 0);
    EXPECT_EQ(GetCurrentObject(dc_, OBJ_FONT), before);

    ASSERT_EQ(qafont_check("F", "Arial", "", 35, 0, 1, 10, 20, 30), 1);
    EXPECT_EQ(qafont_select(dc_, "F"), 35);
    EXPECT_NE(GetCurrentObject(dc_, OBJ_FONT), before);
    EXPECT_EQ(GetTextColor(dc_), RGB(10, 20, 30));
    EXPECT_EQ(GetBkMode(dc_), OPAQUE);
    LOGFONTA made{};
    GetObjectA(GetCurrentObject(dc_, OBJ_FONT), sizeof made, &made);
    EXPECT_EQ(made.lfHeight, -35) << "a character height";
    SelectObject(dc_, before);
}

TEST_F(FontsPens, PenIsMadeAgainForANewWidthButNotForAStyle)
{
    EXPECT_EQ(qapen_check("P1", PS_SOLID, 5, 1, 2, 3), 0);
    EXPECT_EQ(qapen_check("P1", PS_DASH, 5, 1, 2, 3), 0) << "the style is not compared";
    pen_info info;
    EXPECT_EQ(qapen_get_info("P1", &info), 0);
    EXPECT_EQ(info.style, PS_SOLID);
    EXPECT_EQ(qapen_check("P1", PS_DOT, 7, 1, 2, 3), 0);
    EXPECT_EQ(qapen_get_info("P1", &info), 0);
    EXPECT_EQ(info.style, PS_DOT);
    EXPECT_EQ(info.width, 7);
    EXPECT_EQ(kavo::pen_count(), 1);
    EXPECT_EQ(qapen_Wmm10("P1"), 7);
    EXPECT_EQ(qapen_Wmm10("P2"), 0);
    EXPECT_EQ(qapen_get_info("P2", &info), -1);
    EXPECT_STREQ(info.name, "P2");
    EXPECT_EQ(info.width, 0);

    EXPECT_EQ(qapen_select(dc_, "P1"), 7);
    LOGPEN pen{};
    GetObjectA(GetCurrentObject(dc_, OBJ_PEN), sizeof pen, &pen);
    EXPECT_EQ(pen.lopnColor, RGB(1, 2, 3));
    EXPECT_EQ(qapen_select(dc_, "P2"), 0);
    EXPECT_EQ(GetCurrentObject(dc_, OBJ_PEN), GetStockObject(BLACK_PEN));
}

TEST_F(FontsPens, SystemFontFollowsTheLanguage)
{
    ASSERT_EQ(qafont_check("T1", "Arial", "", 30, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(qafont_create_systemfont(13, 400, "Arial", "English"), GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(qafont_get_systemfont_cset(), 0);
    EXPECT_EQ(kavo::module_state().languageCodepage, 0u);
    EXPECT_EQ(kavo::font_count(), 0) << "named fonts are made again after a new system font";

    HFONT greek = qafont_create_systemfont(13, 700, "Arial", "greek");
    EXPECT_NE(greek, GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(qafont_get_systemfont(), greek);
    EXPECT_EQ(qafont_get_systemfont_cset(), 161);
    EXPECT_EQ(kavo::module_state().languageCodepage, 1253u);
    LOGFONTA made{};
    GetObjectA(greek, sizeof made, &made);
    EXPECT_EQ(made.lfCharSet, 161);
    EXPECT_EQ(made.lfWeight, 700);

    HWND dialog = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    HWND a = CreateWindowExA(0, "BUTTON", "a", WS_CHILD, 0, 0, 10, 10, dialog, nullptr, nullptr, nullptr);
    HWND b = CreateWindowExA(0, "EDIT", "b", WS_CHILD, 0, 0, 10, 10, dialog, nullptr, nullptr, nullptr);
    qa_setdlgfont(dialog);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(a, WM_GETFONT, 0, 0)), greek);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(b, WM_GETFONT, 0, 0)), greek);
    DestroyWindow(dialog);

    qafont_release_systemfont();
    EXPECT_EQ(GetObjectType(greek), 0u) << "the old system font is deleted";
    EXPECT_EQ(qafont_get_systemfont(), GetStockObject(DEFAULT_GUI_FONT));
    kavo::module_state().languageCodepage = 0;
}

TEST_F(FontsPens, FactoriesTakeHeightCharsetAndCutFaceNames)
{
    LOGFONTA made{};
    HFONT gui = qafont_create_gui_font(17, 600);
    GetObjectA(gui, sizeof made, &made);
    EXPECT_EQ(made.lfHeight, 17) << "taken unchanged";
    EXPECT_EQ(made.lfWeight, 600);
    DeleteObject(gui);

    EXPECT_EQ(qafont_init_qcq_charset("Baltic"), 186);
    EXPECT_EQ(qafont_qcq_charset(), 186);
    HFONT table = qafont_create_qcqTablefont(12, 400, "A face name longer than thirty-one characters");
    GetObjectA(table, sizeof made, &made);
    EXPECT_EQ(made.lfHeight, -12);
    EXPECT_EQ(made.lfCharSet, 186);
    EXPECT_EQ(std::string(made.lfFaceName), "A face name longer than thirty-");
    DeleteObject(table);
    qafont_init_qcq_charset("");

    HFONT pixel = qafont_create_pixelfont(20, 400, "Arial", "Russian");
    GetObjectA(pixel, sizeof made, &made);
    EXPECT_EQ(made.lfCharSet, 204);
    EXPECT_EQ(made.lfHeight, -20);
    DeleteObject(pixel);

    EXPECT_EQ(qafont_cxpix_arial_wc(L"Wi", 10), 13);
}

TEST_F(FontsPens, ReleaseDeletesEveryObject)
{
    ASSERT_EQ(qafont_check("A", "Arial", "", 30, 0, 0, 0, 0, 0), 1);
    ASSERT_EQ(qapen_check("A", PS_SOLID, 3, 0, 0, 0), 0);
    qafont_select(dc_, "A");
    qapen_select(dc_, "A");
    HGDIOBJ font = GetCurrentObject(dc_, OBJ_FONT), pen = GetCurrentObject(dc_, OBJ_PEN);
    SelectObject(dc_, GetStockObject(SYSTEM_FONT));
    SelectObject(dc_, GetStockObject(BLACK_PEN));
    kavo::fonts_release_all();
    kavo::pens_release_all();
    EXPECT_EQ(kavo::font_count(), 0);
    EXPECT_EQ(kavo::pen_count(), 0);
    EXPECT_EQ(GetObjectType(font), 0u);
    EXPECT_EQ(GetObjectType(pen), 0u);
    EXPECT_EQ(qafont_select(dc_, "A"), 0);
}

} // namespace
