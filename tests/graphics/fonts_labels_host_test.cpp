// Named fonts and pens, the system font and the font factories, and labels,
// lines and tables recorded into an enhanced metafile, through the exports.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "kavoapi.h"

namespace {

// A font's character set and face, after its height and weight if asked.
std::string described(HGDIOBJ font, bool with_size)
{
    LOGFONTA f{};
    GetObjectA(font, sizeof f, &f);
    const std::string size = std::to_string(f.lfHeight) + " " + std::to_string(f.lfWeight) + " ";
    return (with_size ? size : "") + std::to_string(f.lfCharSet) + " " + f.lfFaceName;
}

// Named fonts live until the system font is made again: each test starts
// without any.  Named pens live as long as the module: each test has its own.
class Fonts : public ::testing::Test {
protected:
    void SetUp() override { qafont_release_systemfont(); }
    void TearDown() override
    {
        DeleteDC(dc_);
        qafont_release_systemfont();
    }
    HDC dc_ = CreateCompatibleDC(nullptr);
};

TEST_F(Fonts, OnlyANewHeightOrColourMakesANamedFontAgain)
{
    EXPECT_EQ(qafont_check("T1", "Arial", "B", 30, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(qafont_check("T1", "Courier", "I", 30, 45, 1, 0, 0, 0), 0) << "face, style, angle, opaque ignored";
    font_info info;
    EXPECT_EQ(qafont_get_info("T1", &info), 0);
    EXPECT_STREQ(info.face, "Arial");
    EXPECT_STREQ(info.style, "B");
    EXPECT_EQ(qafont_check("T1", "Courier", "I", 30, 0, 1, 255, 0, 0), 1) << "a new colour makes it again";
    EXPECT_EQ(qafont_get_info("T1", &info), 0);
    EXPECT_STREQ(info.face, "Courier");
    EXPECT_EQ(info.red, 255);
    EXPECT_EQ(qafont_check("t1", "Arial", "", 30, 0, 0, 0, 0, 0), 1) << "names are case-sensitive";
    EXPECT_EQ(qafont_check("LONGNAME9", "Arial", "", 20, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(qafont_Hmm10("LONGNAMEZ"), 20) << "names are cut at 8 characters, made and looked up";
    EXPECT_EQ(qafont_Hmm10("none"), 0);
}

TEST_F(Fonts, SelectingSetsFontColourAndBackgroundAndAnUnknownNameChangesNothing)
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
    EXPECT_EQ(GetTextColor(dc_), RGB(10, 20, 30));
    EXPECT_EQ(GetBkMode(dc_), OPAQUE);
    EXPECT_EQ(described(GetCurrentObject(dc_, OBJ_FONT), true), "-35 400 0 Arial") << "a character height";
    SelectObject(dc_, before);
}

TEST_F(Fonts, PenIsMadeAgainForANewWidthNotAStyleAndAnUnknownNameSelectsTheBlackPen)
{
    EXPECT_EQ(qapen_check("P1", PS_SOLID, 5, 1, 2, 3), 0);
    EXPECT_EQ(qapen_check("P1", PS_DASH, 5, 1, 2, 3), 0);
    pen_info info;
    EXPECT_EQ(qapen_get_info("P1", &info), 0);
    EXPECT_EQ(info.style, PS_SOLID) << "the style is not compared";
    EXPECT_EQ(qapen_check("P1", PS_DOT, 7, 1, 2, 3), 0);
    EXPECT_EQ(qapen_get_info("P1", &info), 0);
    EXPECT_EQ(info.style, PS_DOT);
    EXPECT_EQ(qapen_Wmm10("P1"), 7);
    EXPECT_EQ(qapen_get_info("P2", &info), -1);
    EXPECT_STREQ(info.name, "P2");
    EXPECT_EQ(qapen_select(dc_, "P1"), 7);
    LOGPEN pen{};
    GetObjectA(GetCurrentObject(dc_, OBJ_PEN), sizeof pen, &pen);
    EXPECT_EQ(pen.lopnColor, RGB(1, 2, 3));
    EXPECT_EQ(qapen_select(dc_, "P2"), 0);
    EXPECT_EQ(GetCurrentObject(dc_, OBJ_PEN), GetStockObject(BLACK_PEN));
}

TEST_F(Fonts, SystemFontFollowsTheLanguageAndReplacesNamedAndDialogFonts)
{
    ASSERT_EQ(qafont_check("T1", "Arial", "", 30, 0, 0, 0, 0, 0), 1);
    qafont_select(dc_, "T1");
    HGDIOBJ named = SelectObject(dc_, GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(qafont_create_systemfont(13, 400, "Arial", "English"), GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(qafont_get_systemfont_cset(), 0);
    EXPECT_EQ(GetObjectType(named), 0u) << "named fonts are deleted with the old system font";
    EXPECT_EQ(qafont_check("T1", "Arial", "", 30, 0, 0, 0, 0, 0), 1) << "and made again";

    HFONT greek = qafont_create_systemfont(13, 700, "Arial", "greek");
    EXPECT_EQ(qafont_get_systemfont(), greek);
    EXPECT_EQ(qafont_get_systemfont_cset(), 161);
    EXPECT_EQ(described(greek, true), "-13 700 161 Arial");
    wchar_t alpha[2] = {};
    qa_sz2wsz_byqlg("\xE1", alpha, sizeof alpha);
    EXPECT_EQ(alpha[0], 0x03B1) << "texts are converted in the language's code page";

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
    qafont_create_systemfont(13, 400, "Arial", "English"); // back to the ANSI code page
}

TEST_F(Fonts, FactoriesGiveTheHeightWeightCharsetAndFaceAsked)
{
    EXPECT_EQ(qafont_init_qcq_charset("Baltic"), 186);
    const std::pair<HFONT, std::string> cases[] = {
        {qafont_create_qcqTablefont(12, 400, "A face name longer than thirty-one characters"),
         "-12 400 186 A face name longer than thirty-"},
        {qafont_create_pixelfont(20, 400, "Arial", "Russian"), "-20 400 204 Arial"},
        {qafont_create_gui_font(17, 600), "17 600 " + described(GetStockObject(DEFAULT_GUI_FONT), false)},
    };
    for (const auto &[font, expected] : cases) {
        EXPECT_EQ(described(font, true), expected);
        DeleteObject(font);
    }
    qafont_init_qcq_charset("");
    EXPECT_EQ(qafont_cxpix_arial_wc(L"Wi", 10), 13);
}

using Records = std::vector<std::string>;

// What a recording draws: "align A", "pen W", "move X Y", "line X Y" and
// "text X Y T", with the characters beyond ASCII of T as <code>.
int CALLBACK collect(HDC, HANDLETABLE *, const ENHMETARECORD *record, int, LPARAM data)
{
    auto *out = reinterpret_cast<Records *>(data);
    const auto *bytes = reinterpret_cast<const uint8_t *>(record);
    const auto *field = reinterpret_cast<const LONG *>(record->dParm);
    switch (record->iType) {
    case EMR_SETTEXTALIGN:
        out->push_back("align " + std::to_string(field[0]));
        break;
    case EMR_CREATEPEN: // the pen's index, style, then width
        out->push_back("pen " + std::to_string(field[2]));
        break;
    case EMR_MOVETOEX:
    case EMR_LINETO:
        out->push_back((record->iType == EMR_LINETO ? "line " : "move ") + std::to_string(field[0]) + " " +
                       std::to_string(field[1]));
        break;
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW: {
        const EMRTEXT &t = reinterpret_cast<const EMREXTTEXTOUTW *>(record)->emrtext;
        std::string text;
        for (DWORD i = 0; i < t.nChars; ++i) {
            const unsigned ch = record->iType == EMR_EXTTEXTOUTW
                                    ? reinterpret_cast<const wchar_t *>(bytes + t.offString)[i]
                                    : bytes[t.offString + i];
            text += ch < 128 ? std::string(1, static_cast<char>(ch)) : "<" + std::to_string(ch) + ">";
        }
        out->push_back("text " + std::to_string(t.ptlReference.x) + " " + std::to_string(t.ptlReference.y) + " " +
                       text);
        break;
    }
    }
    return 1;
}

class Recording : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_GE(qafont_check("MAIN", "Arial", "", 30, 0, 0, 0, 0, 0), 0);
        ASSERT_GE(qafont_check("SMALL", "Arial", "", 18, 0, 0, 0, 0, 0), 0);
        ASSERT_EQ(qapen_check("GRID", PS_SOLID, 1, 0, 0, 0), 0);
        ASSERT_EQ(qapen_check("FRAME", PS_SOLID, 5, 0, 0, 0), 0);
    }
    void TearDown() override { DeleteEnhMetaFile(CloseEnhMetaFile(dc_)); }

    // Closes the recording, starts the next and gives what was drawn.
    Records drawn()
    {
        HENHMETAFILE emf = CloseEnhMetaFile(dc_);
        dc_ = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
        Records out;
        EnumEnhMetaFile(nullptr, emf, collect, &out, nullptr);
        DeleteEnhMetaFile(emf);
        return out;
    }

    HDC dc_ = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
};

// Where each part goes is the label walker's; here its steps reach the
// device context: the fonts' heights (30 and 18 for unknown names), the
// alignment, the delta sign's lines, and code page 1252 for the wide form.
TEST_F(Recording, LabelStepsReachTheDeviceContext)
{
    const struct {
        const char *label, *main_font;
        UINT align;
        bool wide;
        uint16_t height;
        Records drawn;
    } cases[] = {
        {"q@b2@@x", "MAIN", TA_BASELINE, false, 30,
         {"align 24", "text 10 100 q", "text 27 103 2", "text 38 100 x"}},
        {"@dt", "nofont", TA_TOP, false, 0,
         {"align 0", "move 10 126", "line 20 126", "line 15 116", "line 10 126", "text 25 100 t"}},
        {"\xE4\x80", "MAIN", TA_TOP, true, 30, {"align 0", "text 10 100 <228>", "text 28 100 <8364>"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.wide ? qa_drawlabelw(dc_, 10, 100, c.label, c.main_font, "SMALL", c.align)
                         : qa_drawlabel(dc_, 10, 100, c.label, c.main_font, "SMALL", c.align),
                  c.height);
        EXPECT_EQ(drawn(), c.drawn);
    }
}

TEST_F(Recording, TableDrawsEachGridLineOnceWithItsPenThenTheFrameIn16BitCoordinates)
{
    EXPECT_NE(qa_drawline(dc_, -5, -6, 7, 8, "none"), 0) << "an unknown pen still draws";
    EXPECT_NE(qa_drawtable(dc_, 0, 0, 40000, 15, 1, 1, "GRID", "FRAME"), 0);
    // 40000 is -25536 as a 16-bit coordinate.
    EXPECT_EQ(drawn(), (Records{"move -5 -6", "line 7 8", "pen 1", "move 0 0", "line -25536 0", "move 0 15",
                                "line -25536 15", "move 0 0", "line 0 15", "move -25536 0", "line -25536 15",
                                "pen 5", "move 0 0", "line -25536 0", "line -25536 15", "line 0 15", "line 0 0"}));
}

} // namespace
