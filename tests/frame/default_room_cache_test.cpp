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

void store_value(const std::string &text)
{
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kProfileKey, "defaultRoom", REG_SZ, text.c_str(),
                              static_cast<DWORD>(text.size() + 1)),
              ERROR_SUCCESS);
}

std::string stored_value()
{
    char data[2048] = "";
    DWORD bytes = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, kProfileKey, "defaultRoom", RRF_RT_REG_SZ, nullptr, data, &bytes) !=
        ERROR_SUCCESS)
        return "<missing>";
    return data;
}

// A module instance with a cache of its own.
class FreshModule {
public:
    FreshModule()
    {
        // A name of its own: a second load of one file is the same instance.
        static int loads = 0;
        char original[MAX_PATH];
        GetModuleFileNameA(GetModuleHandleA("KavoApi.dll"), original, MAX_PATH);
        copy_ = kavo_test::temp_path("KavoApiFresh" + std::to_string(++loads) + ".dll");
        CopyFileA(original, copy_.c_str(), FALSE);
        module_ = LoadLibraryA(copy_.c_str());
        get = reinterpret_cast<decltype(get)>(reinterpret_cast<void *>(GetProcAddress(module_, "qa_get_default_room")));
        set = reinterpret_cast<decltype(set)>(reinterpret_cast<void *>(GetProcAddress(module_, "qa_set_default_room")));
    }
    ~FreshModule()
    {
        if (module_)
            FreeLibrary(module_);
        DeleteFileA(copy_.c_str());
    }
    FreshModule(const FreshModule &) = delete;
    FreshModule &operator=(const FreshModule &) = delete;

    bool ready() const { return module_ && module_ != GetModuleHandleA("KavoApi.dll") && get && set; }
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
        ASSERT_TRUE(module_.ready());
    }
    FreshModule module_;
};

// Which texts make a room is the core's; here the value is read from the
// user's profile, or missing, once: later changes are not seen.
TEST_F(DefaultRoomCache, FirstReadTakesTheStoredRoomOrTheBuiltInOneAndOnlyOnce)
{
    EXPECT_EQ(+module_.current().rle, 10.0f) << "no value";
    store_value("RLE=4.50|RAC=3|RRT=1");
    EXPECT_EQ(+module_.current().rle, 10.0f) << "loaded once";
    EXPECT_EQ(module_.get(nullptr), 0);
    FreshModule module;
    ASSERT_TRUE(module.ready());
    EXPECT_EQ(+module.current().rac, 3);
}

TEST_F(DefaultRoomCache, SetRoomIsStoredWithoutCodeAndName)
{
    room in = {};
    std::strcpy(in.rcd, "R1");
    std::strcpy(in.rnm, "Meeting room");
    in.rle = 7.25f;
    in.rac = 4;
    in.rrt = 3;
    ASSERT_EQ(module_.set(&in), 0);
    EXPECT_EQ(+module_.current().rle, 7.25f);
    EXPECT_EQ(stored_value().find("R1"), std::string::npos) << stored_value();
    EXPECT_EQ(stored_value().find("Meeting"), std::string::npos);

    FreshModule next_session;
    ASSERT_TRUE(next_session.ready());
    const room read_back = next_session.current();
    EXPECT_EQ(+read_back.rle, 7.25f);
    EXPECT_EQ(+read_back.rac, 4);
    EXPECT_EQ(+read_back.rrt, 3);
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
