// The default room made from its stored text or from the built-in values.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "frame/default_room.h"

namespace {

const float kAverage[8] = {0.25f, 0.23f, 0.17f, 0.20f, 0.24f, 0.29f, 0.34f, 0.34f};

void expect_builtin(const room &r)
{
    EXPECT_EQ(std::make_tuple(+r.rle, +r.rwi, +r.rhe, +r.rhz, +r.rdz, +r.rts, +r.rrs, +r.rtw, +r.rrw, +r.rac),
              std::make_tuple(10.0f, 6.0f, 2.6f, 1.8f, 0.5f, 24.0f, 50.0f, 20.0f, 50.0f, 2));
    EXPECT_EQ(std::memcmp(r.ra, kAverage, sizeof kAverage), 0);
}

TEST(DefaultRoom, NothingUsableStoredGivesBuiltInValuesAndNoOldCache)
{
    for (const char *stored :
         {static_cast<const char *>(nullptr), "garbage", "RRT=abc|RLE=4.0", "RLE=4.0|RCD=R1|RNM=Hall"}) {
        SCOPED_TRACE(stored ? stored : "null");
        room r;
        std::memset(&r, 0x5A, sizeof r);
        kavo::load_default_room(r, stored);
        expect_builtin(r);
        EXPECT_EQ(std::make_tuple(r.valid, +r.rcd[0], +r.rnm[0], +r.rrt, +r.rpc, +r.host1[0]),
                  std::make_tuple(1, 0, 0, 0, 0.0f, 0));
    }
}

TEST(DefaultRoom, UnacceptedTextKeepsWhatTheReaderLeftInOtherFields)
{
    room r;
    kavo::load_default_room(r, "RLE=3.0|RCS=4|RDS=7.5|RQR=1.5|RNT=note");
    expect_builtin(r);
    EXPECT_EQ(std::make_tuple(+r.rcs, +r.rds, +r.rqr, std::string(r.rnt)), std::make_tuple(4, 7.5f, 1.5f, "note"));
}

TEST(DefaultRoom, StoredRoomIsTakenWithoutCodeAndNameOrBuiltInValues)
{
    room r;
    kavo::load_default_room(r, "RCD=R1|RNM=Hall|RLE=4.5|RHE=3.0|RAC=5|RA0=0.50|RRT=2");
    EXPECT_EQ(std::make_tuple(r.valid, +r.rcd[0], +r.rnm[0], +r.rle, +r.rhe, +r.rwi, +r.rac, +r.ra[0], +r.rrt),
              std::make_tuple(1, 0, 0, 4.5f, 3.0f, 0.0f, 5, 0.5f, 2));
}

} // namespace
