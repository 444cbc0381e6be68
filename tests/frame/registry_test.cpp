// Registry settings and the unit system read from them, through the DLL, in
// the run's private Wine prefix.  Each test uses its own branch so that no
// test sees another's values.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "kavoapi.h"

namespace {

std::string profile_path(const char *branch)
{
    return std::string("SOFTWARE\\Norvane\\") + branch + "\\userProfile";
}

void write_value(const std::string &path, const char *name, const void *data, DWORD bytes, DWORD type = REG_SZ)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE *>(data), bytes), ERROR_SUCCESS);
    RegCloseKey(key);
}

std::string read_value(const std::string &path, const char *name)
{
    char data[700] = "";
    DWORD bytes = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &bytes) != ERROR_SUCCESS)
        return "<missing>";
    return data;
}

class Registry : public ::testing::Test {
protected:
    void TearDown() override
    {
        qareg_set_kavo_branch_name("Kavo");
        unit_set_system("NORDIC");
    }
};

TEST_F(Registry, InitFillsTheWholeRecord)
{
    qareg_key key;
    std::memset(&key, 0xCC, sizeof key);
    qareg_init("Co", "Br", "Gr", "val", &key);
    EXPECT_STREQ(key.path, "SOFTWARE\\Co\\Br\\Gr");
    EXPECT_STREQ(key.valueName, "val");
    for (size_t i = std::strlen(key.path); i < sizeof key.path; ++i)
        ASSERT_EQ(key.path[i], 0) << i;
    for (size_t i = 4; i < sizeof key.valueName; ++i)
        ASSERT_EQ(key.valueName[i], 0) << i;

    const std::string long_text(400, 'n');
    qareg_init(long_text.c_str(), "b", "g", long_text.c_str(), &key);
    EXPECT_EQ(std::strlen(key.path), 299u);
    EXPECT_EQ(std::strlen(key.valueName), 299u);
}

TEST_F(Registry, GetDataResults)
{
    qareg_key key;
    char out[16];
    qareg_init("Norvane", "NoSuchBranch", "g", "v", &key);
    std::strcpy(out, "old");
    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, sizeof out, out), -1);
    EXPECT_STREQ(out, "");

    qareg_init("Norvane", "GetData", "g", "v", &key);
    ASSERT_EQ(qareg_set_data(HKEY_CURRENT_USER, &key, "0123456789"), 0) << "creates the key";
    qareg_key missing_value = key;
    std::strcpy(missing_value.valueName, "other");
    std::strcpy(out, "old");
    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &missing_value, sizeof out, out), -2);
    EXPECT_STREQ(out, "");

    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, sizeof out, out), 0);
    EXPECT_STREQ(out, "0123456789");
    EXPECT_EQ(qareg_set_data(HKEY_CURRENT_USER, &key, "x"), 0) << "opens the existing key";
    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, sizeof out, out), 0);
    EXPECT_STREQ(out, "x");
}

TEST_F(Registry, OverlongValuesAreNeverReadPastTheSize)
{
    qareg_key key;
    qareg_init("Norvane", "Overlong", "g", "v", &key);
    ASSERT_EQ(qareg_set_data(HKEY_CURRENT_USER, &key, "0123456789"), 0);
    char out[32];
    std::memset(out, '#', sizeof out);
    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, 5, out), -2);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(std::string(out + 5, 27), std::string(27, '#'));

    // The size counts as 16 bits: 65536 + 8 reads 8 bytes at most.
    std::memset(out, '#', sizeof out);
    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, 65536 + 8, out), -2);
    EXPECT_EQ(out[8], '#');
    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, 0, out), -2);
    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, 65535, out), -2) << "-1 as 16 bits";

    // A value stored without its terminator still comes back terminated.
    write_value(key.path, "raw", "abcd", 4);
    std::strcpy(key.valueName, "raw");
    std::memset(out, '#', sizeof out);
    EXPECT_EQ(qareg_get_data(HKEY_CURRENT_USER, &key, 5, out), 0);
    EXPECT_STREQ(out, "abcd");
}

TEST_F(Registry, NamedValuesFollowTheBranch)
{
    ASSERT_EQ(qareg_set_qbase_path("C:\\models"), 0);
    EXPECT_EQ(read_value(profile_path("Kavo"), "QBasePath"), "C:\\models");
    char out[300];
    EXPECT_EQ(qareg_get_qbase_path(out, sizeof out), 0);
    EXPECT_STREQ(out, "C:\\models");
    EXPECT_EQ(qareg_get_qbase_path(out, 4), -1) << "too long for 4 bytes";
    EXPECT_STREQ(out, "");

    qareg_set_kavo_branch_name("OtherBranch");
    EXPECT_EQ(qareg_get_qbase_path(out, sizeof out), -1);
    ASSERT_EQ(qareg_set_qbase_path("D:\\m"), 0);
    ASSERT_EQ(qareg_set_default_room("RLE=5.0|RWI=4.0"), 0);
    EXPECT_EQ(read_value(profile_path("OtherBranch"), "QBasePath"), "D:\\m");
    EXPECT_EQ(read_value(profile_path("OtherBranch"), "defaultRoom"), "RLE=5.0|RWI=4.0");
    EXPECT_EQ(read_value(profile_path("Kavo"), "QBasePath"), "C:\\models");

    write_value(profile_path("OtherBranch"), "unitSystem", "EURO", 5);
    EXPECT_EQ(qareg_get_userprofile_unitsystem(out, sizeof out), 0);
    EXPECT_STREQ(out, "EURO");
}

// An ini file in the temporary folder, removed again at the end.
class IniFile {
public:
    explicit IniFile(const char *content)
    {
        char folder[MAX_PATH];
        GetTempPathA(sizeof folder, folder);
        GetTempFileNameA(folder, "kav", 0, path_);
        FILE *file = std::fopen(path_, "w");
        std::fputs(content, file);
        std::fclose(file);
    }
    ~IniFile() { DeleteFileA(path_); }
    const char *path() const { return path_; }

private:
    char path_[MAX_PATH] = "";
};

TEST_F(Registry, UnitSystemFromRegistryThenIniFile)
{
    IniFile euro("[SETTINGS]\nUnits=EURO\n");
    IniFile empty("[OTHER]\nUnits=US\n");

    qareg_set_kavo_branch_name("UnitsFromIni");
    unit_set_system("US");
    qa_init_paths("T", "", "", "", euro.path());
    EXPECT_EQ(unit_get_system(), 1) << "no registry value: the ini key";
    qa_init_paths("T", "", "", "", empty.path());
    EXPECT_EQ(unit_get_system(), 3) << "no ini key: NORDIC";
    unit_set_system("SI");
    qa_init_paths("T", "", "", "", "C:\\no\\such.ini");
    EXPECT_EQ(unit_get_system(), 3);

    qareg_set_kavo_branch_name("UnitsFromRegistry");
    write_value(profile_path("UnitsFromRegistry"), "unitSystem", "us", 3);
    qa_init_paths("T", "", "", "", euro.path());
    EXPECT_EQ(unit_get_system(), 4) << "the registry value comes first";

    write_value(profile_path("UnitsFromRegistry"), "unitSystem", "", 1);
    unit_set_system("SI");
    qa_init_paths("T", "", "", "", euro.path());
    EXPECT_EQ(unit_get_system(), 0) << "a value naming nothing keeps the system; the ini file is not read";

    write_value(profile_path("UnitsFromRegistry"), "unitSystem", "EUROSPE", 8);
    qa_ini_modified();
    EXPECT_EQ(unit_get_system(), 2) << "read again on request";
    qa_init_paths(nullptr, nullptr, nullptr, nullptr, nullptr);
}

} // namespace
