// Labels, lines and tables recorded into an enhanced metafile: the recorded
// text-outs, moves and lines are the drawing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kavoapi.h"

namespace {

using Records = std::vector<std::string>;

std::string point(const POINTL &p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

int CALLBACK collect(HDC, HANDLETABLE *, const ENHMETARECORD *record, int, LPARAM data)
{
    auto *out = reinterpret_cast<Records *>(data);
    const auto *bytes = reinterpret_cast<const uint8_t *>(record);
    switch (record->iType) {
    case EMR_SETTEXTALIGN:
        out->push_back("align " + std::to_string(reinterpret_cast<const EMRSETTEXTALIGN *>(record)->iMode));
        break;
    case EMR_MOVETOEX:
        out->push_back("move " + point(reinterpret_cast<const EMRMOVETOEX *>(record)->ptl));
        break;
    case EMR_LINETO:
        out->push_back("line " + point(reinterpret_cast<const EMRLINETO *>(record)->ptl));
        break;
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW: {
        const EMRTEXT &t = reinterpret_cast<const EMREXTTEXTOUTW *>(record)->emrtext;
        std::string text;
        for (DWORD i = 0; i < t.nChars; ++i) {
            unsigned ch = record->iType == EMR_EXTTEXTOUTW
                              ? reinterpret_cast<const wchar_t *>(bytes + t.offString)[i]
                              : bytes[t.offString + i];
            text += ch < 128 ? std::string(1, static_cast<char>(ch)) : "<" + std::to_string(ch) + ">";
        }
        out->push_back("text " + point(t.ptlReference) + " " + text);
        break;
    }
    default:
        break;
    }
    return 1;
}

class Recording : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(qafont_check("MAIN", "Arial", "", 30, 0, 0, 0, 0, 0) >= 0, true);
        ASSERT_EQ(qafont_check("SMALL", "Arial", "", 18, 0, 0, 0, 0, 0) >= 0, true);
        ASSERT_EQ(qapen_check("GRID", PS_SOLID, 1, 0, 0, 0), 0);
        ASSERT_EQ(qapen_check("FRAME", PS_SOLID, 5, 0, 0, 0), 0);
        dc_ = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(dc_, nullptr);
    }

    // Closes the recording and gives what was drawn.
    Records drawn(const std::string &only = "")
    {
        HENHMETAFILE emf = CloseEnhMetaFile(dc_);
        dc_ = nullptr;
        Records all, out;
        EnumEnhMetaFile(nullptr, emf, collect, &all, nullptr);
        DeleteEnhMetaFile(emf);
        for (const std::string &r : all)
            if (only.empty() || r.compare(0, only.size(), only) == 0)
                out.push_back(r);
        return out;
    }

    void TearDown() override
    {
        if (dc_)
            DeleteEnhMetaFile(CloseEnhMetaFile(dc_));
    }

    HDC dc_ = nullptr;
};

// Where each part goes is the walker's (tested in the core); here the
// steps must reach the device context: the fonts' heights, the alignment,
// the pen of the delta sign, the code page of the wide form.
TEST_F(Recording, LabelStepsReachTheDeviceContext)
{
    const struct {
        const char *label, *main_font;
        UINT align;
        bool wide;
        int32_t height;
        Records drawn;
    } cases[] = {
        {"q@b2@@x", "MAIN", TA_BASELINE, false, 30,
         {"align 24", "text 10 100 q", "text 27 103 2", "text 38 100 x"}},
        {"@dt", "MAIN", TA_TOP, false, 30,
         {"align 0", "move 10 126", "line 20 126", "line 15 116", "line 10 126", "text 25 100 t"}},
        // Unknown fonts count as 30 and 18.
        {"W@tW", "nofont", TA_TOP, false, 0, {"align 0", "text 10 100 W", "text 40 100 W"}},
        // Byte 0x80 is the euro sign; \xE4 is 57.1 % of 30, 18 rounded up.
        {"\xE4\x80", "MAIN", TA_TOP, true, 30, {"align 0", "text 10 100 <228>", "text 28 100 <8364>"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        if (!dc_)
            dc_ = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
        const int32_t height = c.wide ? qa_drawlabelw(dc_, 10, 100, c.label, c.main_font, "SMALL", c.align)
                                      : qa_drawlabel(dc_, 10, 100, c.label, c.main_font, "SMALL", c.align);
        EXPECT_EQ(height, c.height);
        EXPECT_EQ(drawn(), c.drawn);
    }
}

TEST_F(Recording, LineWithAnUnknownPenIsStillDrawn)
{
    EXPECT_NE(qa_drawline(dc_, 1, 2, 30, 40, "GRID"), 0);
    EXPECT_NE(qa_drawline(dc_, -5, -6, 7, 8, "none"), 0);
    EXPECT_EQ(drawn(), (Records{"move 1 2", "line 30 40", "move -5 -6", "line 7 8"}));
}

TEST_F(Recording, TableDrawsEveryGridLineOnceThenTheFrameOverIt)
{
    EXPECT_NE(qa_drawtable(dc_, 10, 20, 30, 15, 2, 3, "GRID", "FRAME"), 0);
    // Three rows of the grid, four columns, then the frame over them.
    EXPECT_EQ(drawn(), (Records{
                           "move 10 20",  "line 100 20", "move 10 35",  "line 100 35", "move 10 50",  "line 100 50",
                           "move 10 20",  "line 10 50",  "move 40 20",  "line 40 50",  "move 70 20",  "line 70 50",
                           "move 100 20", "line 100 50", "move 10 20",  "line 100 20", "line 100 50", "line 10 50",
                           "line 10 20",
                       }));
}

TEST_F(Recording, EmptyTableStillDrawsAndCoordinatesWrapAt16Bits)
{
    qa_drawtable(dc_, 5, 6, 30, 15, 0, 0, "GRID", "FRAME");
    qa_drawtable(dc_, 0, 0, 40000, 1, 0, 1, "GRID", "FRAME");
    EXPECT_EQ(drawn(), (Records{
                           "move 5 6", "line 5 6", "move 5 6", "line 5 6", "move 5 6", "line 5 6", "line 5 6",
                           "line 5 6", "line 5 6",
                           // 40000 is -25536 as a 16-bit coordinate.
                           "move 0 0", "line -25536 0", "move 0 0", "line 0 0", "move -25536 0", "line -25536 0",
                           "move 0 0", "line -25536 0", "line -25536 0", "line 0 0", "line 0 0",
                       }));
}

} // namespace
