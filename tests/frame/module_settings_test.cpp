// Module-wide settings as a host sees them through the DLL: paths and modes,
// and the values of the user's profile in the registry of the run's private
// Wine prefix with the unit system and the default room read from them.  The
// first test checks the state right after load, so it stays first.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>

#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

std::string ini_file_name()
{
    char out[300];
    std::memset(out, 'x', sizeof out);
    qa_getinifilename(out);
    return out;
}

DWORD WINAPI idle_thread(void *) { return 0; }

TEST(ModuleSettings, LoadStartsWithoutIniFileAndAdminModeAndThreadsDoNotResetWhatIsSet)
{
    EXPECT_EQ(ini_file_name(), "");
    EXPECT_EQ(qa_get_adminmode(), 0);
    EXPECT_EQ(qa_set_adminmode(-7), -7);
    qa_init_paths("T", "", "", "", "C:\\x.ini");
    HANDLE thread = CreateThread(nullptr, 0, idle_thread, nullptr, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_EQ(qa_get_adminmode(), -7);
    EXPECT_EQ(ini_file_name(), "C:\\x.ini");
}

TEST(ModuleSettings, InitPathsCutsOverlongTexts)
{
    const std::string long_path(500, 'p');
    qa_init_paths(std::string(200, 't').c_str(), long_path.c_str(), nullptr, "", long_path.c_str());
    EXPECT_EQ(ini_file_name(), std::string(299, 'p'));
    qa_init_paths(nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(ini_file_name(), "");
}

TEST(ModuleResources, VersionInformationNamesTheDll)
{
    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(GetModuleHandleA("KavoApi.dll"), path, MAX_PATH), 0u);
    const DWORD size = GetFileVersionInfoSizeA(path, nullptr);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));
    char *name = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904B0\\OriginalFilename",
                               reinterpret_cast<void **>(&name), &length));
    EXPECT_STREQ(name, "KavoApi.dll");
}

const char *kProfile = "SOFTWARE\\Norvane\\Kavo\\userProfile";

void write_value(const std::string &path, const char *name, const char *text)
{
    const DWORD bytes = static_cast<DWORD>(std::strlen(text) + 1);
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, path.c_str(), name, REG_SZ, text, bytes), ERROR_SUCCESS);
}

std::string read_value(const char *name)
{
    char data[2048] = "";
    DWORD bytes = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, kProfile, name, RRF_RT_REG_SZ, nullptr, data, &bytes) != ERROR_SUCCESS)
        return "<missing>";
    return data;
}

class Registry : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Norvane"); }
    void TearDown() override
    {
        qareg_set_kavo_branch_name("Kavo");
        unit_set_system("NORDIC");
    }
};

TEST_F(Registry, ValuesAreNeverReadPastTheSizeAndComeBackTerminated)
{
    qareg_key key, expected = {};
    std::memset(&key, 0xCC, sizeof key);
    qareg_init("Norvane", "Br", "Gr", "v", &key);
    std::strcpy(expected.path, "SOFTWARE\\Norvane\\Br\\Gr");
    std::strcpy(expected.valueName, "v");
    EXPECT_EQ(std::memcmp(&key, &expected, sizeof key), 0) << "the whole record is written";

    char out[32] = "old";
    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, sizeof out, out), -1) << "no key";
    EXPECT_STREQ(out, "");
    ASSERT_EQ(qareg_set_data(HKEY_CURRENT_USER, &key, "0123456789"), 0) << "creates the key";
    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, sizeof out, out), 0);
    EXPECT_STREQ(out, "0123456789");
    // Too long a value is never read past the size, which counts as 16 bits.
    for (int32_t size : {5, 65536 + 8, 65535}) {
        std::memset(out, '#', sizeof out);
        EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, size, out), -2) << size;
        EXPECT_EQ(out[9], '#') << size;
    }
    std::strcpy(key.valueName, "w");
    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, sizeof out, out), -2) << "no value";
    EXPECT_STREQ(out, "");
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key.path, "raw", REG_SZ, "abcd", 4), ERROR_SUCCESS);
    std::strcpy(key.valueName, "raw");
    std::memset(out, '#', sizeof out);
    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, 5, out), 0);
    EXPECT_STREQ(out, "abcd") << "stored without its terminator";
}

// The branch's part in the path is seen in the unit system's test.
TEST_F(Registry, NamedValuesLiveInTheUserProfile)
{
    ASSERT_EQ(qareg_set_qbase_path("C:\\models"), 0);
    EXPECT_EQ(read_value("QBasePath"), "C:\\models");
    char out[300];
    EXPECT_EQ(qareg_get_qbase_path(out, sizeof out), 0);
    EXPECT_STREQ(out, "C:\\models");
    EXPECT_EQ(qareg_get_qbase_path(out, 4), -1);
}

TEST_F(Registry, UnitSystemFromRegistryThenIniFile)
{
    const std::string euro = kavo_test::temp_path("kavo_euro.ini"), other = kavo_test::temp_path("kavo_other.ini");
    WritePrivateProfileStringA("SETTINGS", "Units", "EURO", euro.c_str());
    WritePrivateProfileStringA("OTHER", "Units", "US", other.c_str());
    unit_set_system("US");
    qa_init_paths("T", "", "", "", euro.c_str());
    EXPECT_EQ(unit_get_system(), 1) << "no registry value: the ini key";
    qa_init_paths("T", "", "", "", other.c_str());
    EXPECT_EQ(unit_get_system(), 3) << "no ini key: NORDIC";

    write_value(kProfile, "unitSystem", "us");
    qa_init_paths("T", "", "", "", euro.c_str());
    EXPECT_EQ(unit_get_system(), 4) << "the registry value comes first";
    write_value(kProfile, "unitSystem", "");
    unit_set_system("SI");
    qa_init_paths("T", "", "", "", euro.c_str());
    EXPECT_EQ(unit_get_system(), 0) << "a value naming nothing keeps the system; the ini key is not read";

    qareg_set_kavo_branch_name("Ours");
    write_value("SOFTWARE\\Norvane\\Ours\\userProfile", "unitSystem", "EUROSPE");
    qa_ini_modified();
    EXPECT_EQ(unit_get_system(), 2) << "read again on request, with the branch of the moment";
}

// The default room's length read twice, with `between` run in between, by
// a module that has not read it yet: a copy of the DLL under a name of its
// own, since a second load of one file is the same instance.
std::pair<float, float> fresh_module_lengths(const std::function<void()> &between = [] {})
{
    static int loads = 0;
    char original[MAX_PATH];
    GetModuleFileNameA(GetModuleHandleA("KavoApi.dll"), original, MAX_PATH);
    const std::string copy = kavo_test::temp_path("KavoApiFresh" + std::to_string(++loads) + ".dll");
    CopyFileA(original, copy.c_str(), FALSE);
    const HMODULE module = LoadLibraryA(copy.c_str());
    const auto get = reinterpret_cast<decltype(&qa_get_default_room)>(
        reinterpret_cast<void *>(GetProcAddress(module, "qa_get_default_room")));
    EXPECT_TRUE(get && module != GetModuleHandleA("KavoApi.dll"));
    room first = {}, second = {};
    if (get && get(&first) == 0) {
        between();
        get(&second);
    }
    FreeLibrary(module);
    DeleteFileA(copy.c_str());
    return {first.rle, second.rle};
}

// Which texts make a room is the core's; here the value is read from the
// user's profile, or missing, once: later changes are not seen.
TEST_F(Registry, DefaultRoomIsReadOncePerModuleFromTheProfileOrBuiltIn)
{
    const auto lengths = fresh_module_lengths([] { write_value(kProfile, "defaultRoom", "RLE=4.50|RAC=3|RRT=1"); });
    EXPECT_EQ(lengths.first, 10.0f) << "no value";
    EXPECT_EQ(lengths.second, 10.0f) << "loaded once";
    EXPECT_EQ(fresh_module_lengths().first, 4.5f);
}

TEST_F(Registry, SetDefaultRoomIsStoredWithoutCodeAndNameAndTakenEvenWhenTooLong)
{
    room fits = {};
    std::strcpy(fits.rcd, "R1");
    std::strcpy(fits.rnm, "Meeting room");
    fits.rle = 7.25f;
    fits.rrt = 3;
    ASSERT_EQ(qa_set_default_room(&fits), 0);
    const std::string stored = read_value("defaultRoom");
    EXPECT_EQ(stored.find("R1"), std::string::npos) << stored;
    EXPECT_EQ(stored.find("Meeting"), std::string::npos);
    EXPECT_EQ(fresh_module_lengths().first, 7.25f);
    EXPECT_EQ(qa_set_default_room(nullptr), -1);

    // Long numbers and a long note: the last item, RRT, finds no room.
    room too_long = {};
    std::memset(too_long.rnt, 'n', 180);
    too_long.rle = too_long.rwi = too_long.rhe = too_long.rhz = too_long.rdz = too_long.rts = too_long.rrs =
        too_long.rtw = too_long.rrw = too_long.rpc = too_long.rph = too_long.rqr = too_long.rq2 = too_long.rq3 = 1e30f;
    for (float &coefficient : too_long.ra)
        coefficient = 1e30f;
    too_long.rcs = too_long.rcw = too_long.rac = too_long.rrt = -32768;
    EXPECT_EQ(qa_set_default_room(&too_long), -1);
    EXPECT_EQ(read_value("defaultRoom"), stored);
    room now = {};
    EXPECT_EQ(qa_get_default_room(&now), 0);
    EXPECT_EQ(now.rle, 1e30f) << "the module takes it all the same";
}

} // namespace
