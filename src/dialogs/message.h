// The module's information message and its questions: platform message
// boxes captioned with the module caption, task-modal when they have no
// owner, giving the keyboard focus back afterwards.
#pragma once

#include <windows.h>

namespace kavo {

// MessageBoxA with the module caption; adds MB_TASKMODAL without an owner
// and restores the focus when the box moved it.
int platform_message(HWND owner, const char *text, UINT type);

// The information box (icon and OK) used wherever the module reports an
// error to the user.  Returns the platform result.
int info_message(HWND owner, const char *text);

// 0 when the file exists; otherwise shows "Cannot find file" with the name
// and gives -1.
int require_file(const char *file_name);

} // namespace kavo
