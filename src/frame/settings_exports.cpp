// The module-wide settings that hosts set and read: paths, administrator
// mode and the registry branch.
#include <windows.h>

#include "kavoapi.h"
#include "units/unit_settings.h"
#include "util/guard.h"
#include "util/text_util.h"
#include "util/module_state.h"

using kavo::module_state;

extern "C" void WINAPI qa_init_paths(const char *title, const char *dir1, const char *dir2, const char *dir3,
                                     const char *ini_file) noexcept
{
    kavo::guarded_void([&] {
        kavo::ModuleState &state = module_state();
        kavo::copy_cut(state.appTitle, sizeof state.appTitle, title);
        kavo::copy_cut(state.searchDir1, sizeof state.searchDir1, dir1);
        kavo::copy_cut(state.searchDir2, sizeof state.searchDir2, dir2);
        kavo::copy_cut(state.searchDir3, sizeof state.searchDir3, dir3);
        kavo::copy_cut(state.iniFileName, sizeof state.iniFileName, ini_file);
        kavo::readUnitSystemSetting();
    });
}

extern "C" void WINAPI qa_getinifilename(char *out) noexcept
{
    if (out)
        lstrcpynA(out, module_state().iniFileName, sizeof module_state().iniFileName);
}

extern "C" int16_t WINAPI qa_set_adminmode(int16_t mode) noexcept
{
    module_state().adminMode = mode;
    return mode;
}

extern "C" int16_t WINAPI qa_get_adminmode(void) noexcept
{
    return module_state().adminMode;
}

extern "C" void WINAPI qareg_set_kavo_branch_name(const char *name) noexcept
{
    kavo::ModuleState &state = module_state();
    kavo::copy_cut(state.branchName, sizeof state.branchName, name);
}
