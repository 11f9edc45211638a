// Critical sections as recursive mutexes: like Windows, the owning thread may
// enter again and must leave as often as it entered.
#include <mutex>
#include <new>
#include <windows.h>

namespace {

static_assert(sizeof(std::recursive_mutex) <= sizeof(CRITICAL_SECTION::opaque),
              "CRITICAL_SECTION is too small for the mutex it holds");
static_assert(alignof(std::recursive_mutex) <= alignof(CRITICAL_SECTION),
              "CRITICAL_SECTION is not aligned for the mutex it holds");

std::recursive_mutex& mutexOf(LPCRITICAL_SECTION section) {
    return *std::launder(reinterpret_cast<std::recursive_mutex*>(section->opaque));
}

} // namespace

void InitializeCriticalSection(LPCRITICAL_SECTION section) {
    new (section->opaque) std::recursive_mutex();
}

void EnterCriticalSection(LPCRITICAL_SECTION section) {
    mutexOf(section).lock();
}

void LeaveCriticalSection(LPCRITICAL_SECTION section) {
    mutexOf(section).unlock();
}

void DeleteCriticalSection(LPCRITICAL_SECTION section) {
    mutexOf(section).~recursive_mutex();
}
