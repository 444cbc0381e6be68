// The default room made from its stored text or from the built-in values.
#include <gtest/gtest.h>

#include <cstring>

#include "frame/default_room.h"

namespace {

const float kAverage[8] = {0.25f, 0.23f, 0.17f, 0.20f, 0.24f, 0.29f, 0.34f, 0.34f};

void expect_builtin(const room &r)
{
    const struct {
        const char *name;
        float value, expected;
    } fields[] = {{"RLE", r.rle, 10.0f}, {"RWI", r.rwi, 6.0f},  {"RHE", r.rhe, 2.6f},  {"RHZ", r.rhz, 1.8f},
                  {"RDZ", r.rdz, 0.5f},  {"RTS", r.rts, 24.0f}, {"RRS", r.rrs, 50.0f}, {"RTW", r.rtw, 20.0f},
                  {"RRW", r.rrw, 50.0f}, {"RPC", r.rpc, 0.0f},  {"RPH", r.rph, 0.0f}};
    for (const auto &f : fields)
        EXPECT_EQ(f.value, f.expected) << f.name;
    EXPECT_EQ(+r.rac, 2);
    EXPECT_EQ(std::memcmp(r.ra, kAverage, sizeof kAverage), 0);
}

TEST(DefaultRoom, NothingUsableStoredGivesBuiltInValues)
{
    for (const char *stored : {static_cast<const char *>(nullptr), "", "garbage", "RLE=4.0|RCD=R1|RNM=Hall",
                               "RRT=abc|RLE=4.0"}) {
        const char *shown = stored ? stored : "(unreadable)";
        room r;
        std::memset(&r, 0x5A, sizeof r);
        kavo::load_default_room(r, stored);
        expect_builtin(r);
        EXPECT_EQ(r.valid, 1) << shown;
        EXPECT_STREQ(r.rcd, "") << shown;
        EXPECT_STREQ(r.rnm, "") << shown;
        EXPECT_EQ(+r.rrt, 0) << shown;
        EXPECT_EQ(r.host1[0], 0) << shown << ": nothing of the old cache stays";
    }
}

TEST(DefaultRoom, UnacceptedTextKeepsWhatTheReaderLeftInOtherFields)
{
    room r;
    kavo::load_default_room(r, "RLE=3.0|RCS=4|RDS=7.5|RQR=1.5|RNT=note");
    expect_builtin(r);
    EXPECT_EQ(+r.rcs, 4);
    EXPECT_EQ(+r.rds, 7.5f);
    EXPECT_EQ(+r.rqr, 1.5f);
    EXPECT_STREQ(r.rnt, "note");
}

TEST(DefaultRoom, StoredRoomIsTakenWithoutCodeAndName)
{
    room r;
    kavo::load_default_room(r, "RCD=R1|RNM=Hall|RLE=4.5|RHE=3.0|RTS=22.0|RAC=5|RA0=0.50|RRT=2");
    EXPECT_EQ(r.valid, 1);
    EXPECT_STREQ(r.rcd, "");
    EXPECT_STREQ(r.rnm, "");
    EXPECT_EQ(+r.rle, 4.5f);
    EXPECT_EQ(+r.rhe, 3.0f);
    EXPECT_EQ(+r.rts, 22.0f);
    EXPECT_EQ(+r.rwi, 0.0f) << "no built-in value is mixed into a stored room";
    EXPECT_EQ(+r.rac, 5);
    EXPECT_EQ(+r.ra[0], 0.5f);
    EXPECT_EQ(+r.rrt, 2);
}

} // namespace
