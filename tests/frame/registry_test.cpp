// Registry settings and the unit system read from them, through the DLL, in
// the run's private Wine prefix.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "kavoapi.h"
#include "support/dialog_watch.h"

namespace {

std::string profile_path(const char *branch)
{
    return std::string("SOFTWARE\\Norvane\\") + branch + "\\userProfile";
}

// `bytes` 0: the text and its terminator.
void write_value(const std::string &path, const char *name, const char *data, DWORD bytes = 0)
{
    bytes = bytes ? bytes : static_cast<DWORD>(std::strlen(data) + 1);
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, path.c_str(), name, REG_SZ, data, bytes), ERROR_SUCCESS);
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
    qareg_key other_value = key;
    std::strcpy(other_value.valueName, "w");
    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &other_value, sizeof out, out), -2) << "no value";
    EXPECT_STREQ(out, "");

    // Too long a value is never read past the size, which counts as 16 bits.
    for (int32_t size : {5, 65536 + 8, 65535}) {
        std::memset(out, '#', sizeof out);
        EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, size, out), -2) << size;
        EXPECT_EQ(out[9], '#') << size;
    }
    write_value(key.path, "raw", "abcd", 4);
    std::strcpy(key.valueName, "raw");
    std::memset(out, '#', sizeof out);
    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, 5, out), 0);
    EXPECT_STREQ(out, "abcd") << "stored without its terminator";
}

TEST_F(Registry, NamedValuesLiveInTheUserProfileOfTheBranch)
{
    ASSERT_EQ(qareg_set_qbase_path("C:\\models"), 0);
    char out[300] = "";
    DWORD bytes = sizeof out;
    EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, profile_path("Kavo").c_str(), "QBasePath", RRF_RT_REG_SZ, nullptr, out,
                           &bytes), ERROR_SUCCESS);
    EXPECT_STREQ(out, "C:\\models");
    EXPECT_EQ(qareg_get_qbase_path(out, sizeof out), 0);
    EXPECT_STREQ(out, "C:\\models");
    EXPECT_EQ(qareg_get_qbase_path(out, 4), -1);
    qareg_set_kavo_branch_name("Other");
    EXPECT_EQ(qareg_get_qbase_path(out, sizeof out), -1);
}

// An ini file in the temporary folder with one key, written by the platform.
std::string ini_file(const char *name, const char *section, const char *units)
{
    const std::string path = kavo_test::temp_path(name);
    DeleteFileA(path.c_str());
    WritePrivateProfileStringA(section, "Units", units, path.c_str());
    return path;
}

TEST_F(Registry, UnitSystemFromRegistryThenIniFile)
{
    const std::string euro = ini_file("kavo_euro.ini", "SETTINGS", "EURO");
    const std::string other = ini_file("kavo_other.ini", "OTHER", "US");
    unit_set_system("US");
    qa_init_paths("T", "", "", "", euro.c_str());
    EXPECT_EQ(unit_get_system(), 1) << "no registry value: the ini key";
    qa_init_paths("T", "", "", "", other.c_str());
    EXPECT_EQ(unit_get_system(), 3) << "no ini key: NORDIC";

    write_value(profile_path("Kavo"), "unitSystem", "us");
    qa_init_paths("T", "", "", "", euro.c_str());
    EXPECT_EQ(unit_get_system(), 4) << "the registry value comes first";
    write_value(profile_path("Kavo"), "unitSystem", "");
    unit_set_system("SI");
    qa_init_paths("T", "", "", "", euro.c_str());
    EXPECT_EQ(unit_get_system(), 0) << "a value naming nothing keeps the system; the ini key is not read";

    qareg_set_kavo_branch_name("Ours");
    write_value(profile_path("Ours"), "unitSystem", "EUROSPE");
    qa_ini_modified();
    EXPECT_EQ(unit_get_system(), 2) << "read again on request, with the branch of the moment";
    qa_init_paths(nullptr, nullptr, nullptr, nullptr, nullptr);
}

} // namespace
