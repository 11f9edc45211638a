#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <windows.h>

namespace {

TEST(CriticalSection, OwnerMayEnterAgainAndOthersWait) {
    CRITICAL_SECTION section;
    InitializeCriticalSection(&section);
    EnterCriticalSection(&section);
    EnterCriticalSection(&section); // would deadlock if not recursive
    LeaveCriticalSection(&section);

    std::atomic<bool> otherEntered{false};
    std::thread other([&] {
        EnterCriticalSection(&section);
        otherEntered = true;
        LeaveCriticalSection(&section);
    });
    // Still held once by this thread, so the other one must wait.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(otherEntered);
    LeaveCriticalSection(&section);
    other.join();
    EXPECT_TRUE(otherEntered);
    DeleteCriticalSection(&section);
}

} // namespace
