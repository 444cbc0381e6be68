// Module-wide settings as a host sees them through the DLL.  The order of
// the tests matters for the first one: it checks the state right after load.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "kavoapi.h"

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
    qa_set_adminmode(0);
}

TEST(ModuleSettings, InitPathsCutsOverlongTexts)
{
    const std::string long_path(500, 'p');
    qa_init_paths(std::string(200, 't').c_str(), long_path.c_str(), nullptr, "", long_path.c_str());
    EXPECT_EQ(ini_file_name(), std::string(299, 'p'));
    qa_init_paths(nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(ini_file_name(), "");
    qareg_set_kavo_branch_name(std::string(400, 'b').c_str());
    qareg_set_kavo_branch_name(nullptr);
    qareg_set_kavo_branch_name("Kavo");
}

TEST(ModuleResources, VersionInformationNamesTheDll)
{
    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(GetModuleHandleA("KavoApi.dll"), path, MAX_PATH), 0u);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));
    char *name = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904B0\\OriginalFilename",
                               reinterpret_cast<void **>(&name), &length));
    EXPECT_STREQ(name, "KavoApi.dll");
}

} // namespace
