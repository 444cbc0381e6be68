// The default room through the DLL, in the run's private Wine prefix.  The
// cache lives as long as the module, so each test loads a copy of the DLL
// of its own and unloads it at the end.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

const char *kProfileKey = "SOFTWARE\\Norvane\\Kavo\\userProfile";

std::string stored_value()
{
    char data[2048] = "";
    DWORD bytes = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, kProfileKey, "defaultRoom", RRF_RT_REG_SZ, nullptr, data, &bytes) !=
        ERROR_SUCCESS)
        return "<missing>";
    return data;
}

template <typename Function> Function *export_of(HMODULE module, const char *name)
{
    return reinterpret_cast<Function *>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

// A module instance with a cache of its own: a copy of the DLL under a name
// of its own, since a second load of one file is the same instance.
class FreshModule {
public:
    FreshModule()
    {
        static int loads = 0;
        char original[MAX_PATH];
        GetModuleFileNameA(GetModuleHandleA("KavoApi.dll"), original, MAX_PATH);
        copy_ = kavo_test::temp_path("KavoApiFresh" + std::to_string(++loads) + ".dll");
        CopyFileA(original, copy_.c_str(), FALSE);
        module_ = LoadLibraryA(copy_.c_str());
        get = export_of<decltype(qa_get_default_room)>(module_, "qa_get_default_room");
        set = export_of<decltype(qa_set_default_room)>(module_, "qa_set_default_room");
        EXPECT_TRUE(module_ && module_ != GetModuleHandleA("KavoApi.dll") && get && set);
    }
    ~FreshModule()
    {
        FreeLibrary(module_);
        DeleteFileA(copy_.c_str());
    }
    FreshModule(const FreshModule &) = delete;
    FreshModule &operator=(const FreshModule &) = delete;

    room current()
    {
        room r;
        std::memset(&r, 0x5A, sizeof r);
        EXPECT_EQ(get(&r), 0);
        return r;
    }

    decltype(&qa_get_default_room) get = nullptr;
    decltype(&qa_set_default_room) set = nullptr;

private:
    std::string copy_;
    HMODULE module_ = nullptr;
};

class DefaultRoomCache : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Norvane");
        ASSERT_FALSE(HasFailure());
    }
    FreshModule module_;
};

// Which texts make a room is the core's; here the value is read from the
// user's profile, or missing, once: later changes are not seen.
TEST_F(DefaultRoomCache, FirstReadTakesTheStoredRoomOrTheBuiltInOneAndOnlyOnce)
{
    EXPECT_EQ(+module_.current().rle, 10.0f) << "no value";
    const char stored[] = "RLE=4.50|RAC=3|RRT=1";
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kProfileKey, "defaultRoom", REG_SZ, stored, sizeof stored), 0);
    EXPECT_EQ(+module_.current().rle, 10.0f) << "loaded once";
    EXPECT_EQ(module_.get(nullptr), 0);
    FreshModule next_session;
    EXPECT_EQ(+next_session.current().rac, 3);
}

TEST_F(DefaultRoomCache, SetRoomIsStoredWithoutCodeAndName)
{
    room in = {};
    std::strcpy(in.rcd, "R1");
    std::strcpy(in.rnm, "Meeting room");
    in.rle = 7.25f;
    in.rrt = 3;
    ASSERT_EQ(module_.set(&in), 0);
    EXPECT_EQ(+module_.current().rle, 7.25f);
    EXPECT_EQ(stored_value().find("R1"), std::string::npos) << stored_value();
    EXPECT_EQ(stored_value().find("Meeting"), std::string::npos);

    FreshModule next_session;
    EXPECT_EQ(+next_session.current().rle, 7.25f);
    EXPECT_EQ(next_session.set(nullptr), -1);
}

TEST_F(DefaultRoomCache, RoomTooLongToStoreStillBecomesTheDefault)
{
    EXPECT_EQ(+module_.current().rle, 10.0f);
    // Long numbers and a long note: the last item, RRT, finds no room.
    room in = {};
    std::memset(in.rnt, 'n', 180);
    in.rle = in.rwi = in.rhe = in.rhz = in.rdz = in.rts = in.rrs = in.rtw = in.rrw = in.rpc = in.rph = in.rqr =
        in.rq2 = in.rq3 = 1e30f;
    for (int band = 0; band < 8; ++band)
        in.ra[band] = 1e30f;
    in.rcs = in.rcw = in.rac = in.rrt = -32768;
    char text[600] = "";
    ASSERT_NE(qa_varbuf_write_room(&in, text, sizeof text), 0);
    EXPECT_EQ(module_.set(&in), -1);
    EXPECT_EQ(stored_value(), "<missing>");
    EXPECT_EQ(+module_.current().rle, 1e30f);
}

} // namespace
