// Session::reset puts the Windows stand-ins back as a new run of the program
// finds them: registry handles closed, message-box answers gone, no keys down
// and no message filters.
#include "host/win/registry_handles.h"
#include "win_fixture.h"

namespace vma::test {
namespace {

bool swallow(MSG*) {
    return true;
}

TEST_F(WinTest, SessionResetClearsTheWindowsState) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Reset", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    win::MessageBoxAnswers::get().push(L"Yes");
    win::Keyboard::get().setDown(VK_SHIFT, true);
    ASSERT_TRUE(win::Keyboard::get().addFilter(swallow));

    host::Session::get().reset();

    EXPECT_EQ(win::RegHandles::get().openCount(), 0u);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_TRUE(win::MessageBoxAnswers::get().empty());
    EXPECT_FALSE(win::Keyboard::get().isDown(VK_SHIFT));
    EXPECT_FALSE(win::Keyboard::get().pressKey(VK_F1));
}

} // namespace
} // namespace vma::test
