// Named fonts and pens, the system font and the font factories, and labels,
// lines and tables recorded into an enhanced metafile, through the exports.
#include <windows.h>

#include <gtest/gtest.h>

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

using Records = std::vector<std::string>;

// What a recording draws: "pen W", "move X Y", "line X Y" and "text X Y T",
// with the characters beyond ASCII of T as <code>.
int CALLBACK collect(HDC, HANDLETABLE *, const ENHMETARECORD *record, int, LPARAM data)
{
    auto *out = reinterpret_cast<Records *>(data);
    const auto *field = reinterpret_cast<const LONG *>(record->dParm);
    const auto at = [](LONG x, LONG y) { return std::to_string(x) + " " + std::to_string(y); };
    if (record->iType == EMR_CREATEPEN) // the pen's index, style, then width
        out->push_back("pen " + std::to_string(field[2]));
    if (record->iType == EMR_MOVETOEX || record->iType == EMR_LINETO)
        out->push_back((record->iType == EMR_LINETO ? "line " : "move ") + at(field[0], field[1]));
    if (record->iType == EMR_EXTTEXTOUTW) { // narrow texts too, as the platform records them
        const EMRTEXT &t = reinterpret_cast<const EMREXTTEXTOUTW *>(record)->emrtext;
        const auto *chars = reinterpret_cast<const wchar_t *>(reinterpret_cast<const uint8_t *>(record) + t.offString);
        std::string text = "text " + at(t.ptlReference.x, t.ptlReference.y) + " ";
        for (DWORD i = 0; i < t.nChars; ++i)
            text += chars[i] < 128 ? std::string(1, static_cast<char>(chars[i])) : "<" + std::to_string(chars[i]) + ">";
        out->push_back(text);
    }
    return 1;
}

// Named fonts live until the system font is made again: each test starts
// with MAIN and SMALL only.  Named pens live as long as the module.
class Drawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        qafont_release_systemfont();
        ASSERT_EQ(qafont_check("MAIN", "Arial", "", 30, 0, 0, 0, 0, 0), 1);
        ASSERT_EQ(qafont_check("SMALL", "Arial", "", 18, 0, 0, 0, 0, 0), 1);
        ASSERT_EQ(qapen_check("GRID", PS_SOLID, 1, 0, 0, 0), 0);
        ASSERT_EQ(qapen_check("FRAME", PS_SOLID, 5, 0, 0, 0), 0);
    }
    void TearDown() override
    {
        DeleteDC(dc_);
        DeleteEnhMetaFile(CloseEnhMetaFile(recorder_));
        qafont_release_systemfont();
    }

    // Closes the recording, starts the next and gives what was drawn.
    Records recorded()
    {
        HENHMETAFILE emf = CloseEnhMetaFile(recorder_);
        recorder_ = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
        Records out;
        EnumEnhMetaFile(nullptr, emf, collect, &out, nullptr);
        DeleteEnhMetaFile(emf);
        return out;
    }

    HDC dc_ = CreateCompatibleDC(nullptr);
    HDC recorder_ = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
};

TEST_F(Drawing, OnlyANewHeightOrColourMakesANamedFontAgain)
{
    EXPECT_EQ(qafont_check("T1", "Arial", "B", 30, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(qafont_check("T1", "Courier", "I", 30, 45, 1, 0, 0, 0), 0) << "face, style, angle, opaque ignored";
    font_info info;
    EXPECT_EQ(qafont_get_info("T1", &info), 0);
    EXPECT_STREQ(info.face, "Arial");
    EXPECT_EQ(qafont_check("T1", "Courier", "I", 30, 0, 1, 255, 0, 0), 1) << "a new colour makes it again";
    EXPECT_EQ(qafont_get_info("T1", &info), 0);
    EXPECT_STREQ(info.face, "Courier");
    EXPECT_EQ(info.red, 255);
    EXPECT_EQ(qafont_check("t1", "Arial", "", 30, 0, 0, 0, 0, 0), 1) << "names are case-sensitive";
    EXPECT_EQ(qafont_check("LONGNAME9", "Arial", "", 20, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(qafont_Hmm10("LONGNAMEZ"), 20) << "names are cut at 8 characters, made and looked up";
    EXPECT_EQ(qafont_Hmm10("none"), 0);
}

TEST_F(Drawing, SelectingSetsFontColourAndBackgroundAndAnUnknownNameChangesNothing)
{
    font_info info;
    EXPECT_EQ(qafont_get_info("none", &info), -1);
    EXPECT_STREQ(info.name, "none");
    EXPECT_STREQ(info.face, "Arial");
    EXPECT_EQ(info.height, 40);
    EXPECT_EQ(qafont_select(dc_, "none"), 0);
    EXPECT_EQ(GetCurrentObject(dc_, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    ASSERT_EQ(qafont_check("F", "Arial", "", 35, 0, 1, 10, 20, 30), 1);
    EXPECT_EQ(qafont_select(dc_, "F"), 35);
    EXPECT_EQ(GetTextColor(dc_), RGB(10, 20, 30));
    EXPECT_EQ(GetBkMode(dc_), OPAQUE);
    EXPECT_EQ(described(GetCurrentObject(dc_, OBJ_FONT), true), "-35 400 0 Arial") << "a character height";
}

TEST_F(Drawing, PenIsMadeAgainForANewWidthNotAStyleAndAnUnknownNameSelectsTheBlackPen)
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

TEST_F(Drawing, SystemFontFollowsTheLanguageAndReplacesNamedAndDialogFonts)
{
    qafont_select(dc_, "MAIN");
    HGDIOBJ named = SelectObject(dc_, GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(qafont_create_systemfont(13, 400, "Arial", "English"), GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(GetObjectType(named), 0u) << "named fonts are deleted with the old system font";
    EXPECT_EQ(qafont_check("MAIN", "Arial", "", 30, 0, 0, 0, 0, 0), 1) << "and made again";

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

// The pixel font is the system font's (above).
TEST_F(Drawing, TableAndGuiFontsGiveTheHeightWeightCharsetAndFaceAsked)
{
    EXPECT_EQ(qafont_init_qcq_charset("Baltic"), 186);
    HFONT table = qafont_create_qcqTablefont(12, 400, "A face name longer than thirty-one characters");
    EXPECT_EQ(described(table, true), "-12 400 186 A face name longer than thirty-");
    HFONT gui = qafont_create_gui_font(17, 600);
    EXPECT_EQ(described(gui, true), "17 600 " + described(GetStockObject(DEFAULT_GUI_FONT), false));
    DeleteObject(table);
    DeleteObject(gui);
    qafont_init_qcq_charset("");
    EXPECT_EQ(qafont_cxpix_arial_wc(L"Wi", 10), 13);
}

// Where each part goes is the label walker's; here its steps reach the
// device context: the fonts' heights (30 and 18 for unknown names), the
// alignment, the delta sign's lines, and code page 1252 for the wide form.
TEST_F(Drawing, LabelStepsReachTheDeviceContext)
{
    const struct {
        decltype(&qa_drawlabel) draw;
        const char *label, *main_font;
        UINT align;
        uint16_t height;
        Records drawn;
    } cases[] = {
        {qa_drawlabel, "q@b2@@x", "MAIN", TA_BASELINE, 30, {"text 10 100 q", "text 27 103 2", "text 38 100 x"}},
        {qa_drawlabel, "@dt", "nofont", TA_TOP, 0,
         {"move 10 126", "line 20 126", "line 15 116", "line 10 126", "text 25 100 t"}},
        {qa_drawlabelw, "\xE4\x80", "MAIN", TA_TOP, 30, {"text 10 100 <228>", "text 28 100 <8364>"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        SetTextAlign(recorder_, TA_UPDATECP);
        EXPECT_EQ(c.draw(recorder_, 10, 100, c.label, c.main_font, "SMALL", c.align), c.height);
        EXPECT_EQ(GetTextAlign(recorder_), c.align);
        EXPECT_EQ(recorded(), c.drawn);
    }
}

TEST_F(Drawing, TableDrawsEachGridLineOnceWithItsPenThenTheFrameIn16BitCoordinates)
{
    EXPECT_NE(qa_drawline(recorder_, -5, -6, 7, 8, "none"), 0) << "an unknown pen still draws";
    EXPECT_NE(qa_drawtable(recorder_, 0, 0, 40000, 15, 1, 1, "GRID", "FRAME"), 0);
    // 40000 is -25536 as a 16-bit coordinate.
    EXPECT_EQ(recorded(), (Records{"move -5 -6", "line 7 8", "pen 1", "move 0 0", "line -25536 0", "move 0 15",
                                "line -25536 15", "move 0 0", "line 0 15", "move -25536 0", "line -25536 15",
                                "pen 5", "move 0 0", "line -25536 0", "line -25536 15", "line 0 15", "line 0 0"}));
}

} // namespace
