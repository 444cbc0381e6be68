// The module's information message: captioned "Kavo", task-modal without an
// owner, and the keyboard focus given back.
#include <gtest/gtest.h>

#include "dialogs/message.h"
#include "util/module_state.h"
#include "support/dialog_watch.h"

namespace {

class InfoMessage : public ::testing::Test {
protected:
    void SetUp() override
    {
        kavo::module_state() = kavo::ModuleState{};
        frame_ = CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
        edit_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, frame_, nullptr, nullptr,
                                nullptr);
        SetForegroundWindow(frame_);
        SetFocus(edit_);
    }
    void TearDown() override { DestroyWindow(frame_); }

    HWND frame_ = nullptr;
    HWND edit_ = nullptr;
};

TEST_F(InfoMessage, WithoutOwnerIsTaskModalWithTheModuleCaption)
{
    kavo_test::DialogWatch watch;
    watch.set_probe(frame_);
    EXPECT_EQ(kavo::info_message(nullptr, "Cannot find file\r\nx.db"), IDOK);
    ASSERT_EQ(watch.seen().size(), 1u);
    const kavo_test::SeenWindow &box = watch.seen()[0];
    EXPECT_EQ(box.caption, "Kavo");
    EXPECT_EQ(box.message(), "Cannot find file\r\nx.db");
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_FALSE(box.probe_enabled) << "a task-modal box disables the thread's windows";
    EXPECT_TRUE(IsWindowEnabled(frame_));
    EXPECT_EQ(GetFocus(), edit_);
}

} // namespace
