// Unit systems and value texts through the DLL: the values are the core's
// (tested there); here the module's current system, the messages that
// unknown ids raise, and the ends of the host's buffers.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

using Texts = std::vector<std::string>;

class Units : public ::testing::Test {
protected:
    void TearDown() override { unit_set_system("NORDIC"); }
};

TEST_F(Units, SystemIsNordicUntilANameChoosesAnother)
{
    EXPECT_EQ(unit_get_system(), 3);
    unit_set_system("eurospe");
    EXPECT_EQ(unit_get_system(), 2);
    EXPECT_EQ(unit_active_room_attenuation(), 4.0f);
    unit_set_system("imperial");
    EXPECT_EQ(unit_get_system(), 2) << "a name of none keeps the system";
}

TEST_F(Units, UnknownIdsRaiseTheirMessageInAnOwnerlessModuleBox)
{
    char out[40] = "untouched";
    const struct {
        const char *system;
        std::function<void()> call;
        Texts messages;
    } cases[] = {
        {"SI", [] { unit_trans(99, 5.0f, 0); }, {}},
        {"EURO", [] { unit_trans(32, 2.0f, 0); }, {"Unknown unit transformation (Sys=1, Prop=32)"}},
        {"US", [&] { v_tosz(4, 1.0f, 1, out); }, {"Unknown unit transform request!"}},
        {"SI", [] { v_fit(16, 1234.0f, 0); }, Texts(2, "Unknown unit transform request!")},
        {"SI", [&] { unit_get_label(33, out); }, {"Unknown unit property (33)"}},
        {"SI", [] { unit_get_ndes(32); }, {"Unknown property (32) for current unitsystem"}},
        {"NORDIC", [&] { unit_set_sz(out, 32, 55.4f, 1); },
         {"Unknown property (32) for current unitsystem", "Unknown unit transformation (Sys=3, Prop=32)"}},
    };
    for (const auto &c : cases) {
        unit_set_system(c.system);
        kavo_test::DialogWatch watch;
        c.call();
        Texts seen;
        for (const auto &box : watch.seen()) {
            EXPECT_EQ(box.caption, "Kavo");
            EXPECT_EQ(box.owner, nullptr);
            seen.push_back(box.message());
        }
        EXPECT_EQ(seen, c.messages);
    }
    EXPECT_STREQ(out, "55 L@bp@@Are 10m@t2@@sab") << "the value is still written";
}

TEST_F(Units, WideTextsStopAtTheHostsBuffer)
{
    unit_set_system("US");
    wchar_t wide[16];
    std::fill(std::begin(wide), std::end(wide), L'#');
    unit_set_wsz(wide, 4, 20, 20.0f, 1);
    EXPECT_EQ(std::wstring(wide), L"68.");
    EXPECT_EQ(wide[4], L'#') << "nothing past out_chars";
    EXPECT_EQ(unit_get_label_wsz(20, wide, sizeof wide), 3);
    EXPECT_EQ(std::wstring(wide), L"\u00B0F");
    EXPECT_EQ(unit_get_label_wsz(24, wide, 6), 0) << "Btu/h/ft@t2@@ does not fit 3 characters";
}

} // namespace
