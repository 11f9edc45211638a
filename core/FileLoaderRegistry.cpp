#include "core/FileLoaderRegistry.h"

#include <algorithm>

namespace {

// Holds a critical section for the lifetime of a scope, so that it is left
// on every path, exceptions included.
class CriticalSectionGuard {
public:
    explicit CriticalSectionGuard(CRITICAL_SECTION& lockToHold) : section(lockToHold) {
        EnterCriticalSection(&section);
    }
    ~CriticalSectionGuard() { LeaveCriticalSection(&section); }

    CriticalSectionGuard(const CriticalSectionGuard&) = delete;
    CriticalSectionGuard& operator=(const CriticalSectionGuard&) = delete;

private:
    CRITICAL_SECTION& section;
};

// Creates the process-wide registry during static initialisation, so that it
// and its locks exist before anything can call into the library.
[[maybe_unused]] const FileLoaderRegistry& createdAtLoad = FileLoaderRegistry::instance();

} // namespace

bool FileLoaderRegistry::countsAbsolute(const std::string& path) {
    return path.size() >= 2 && (path[1] == ':' || (path[0] == '\\' && path[1] == '\\'));
}

FileLoaderRegistry& FileLoaderRegistry::instance() {
    static FileLoaderRegistry registry;
    return registry;
}

FileLoaderRegistry::FileLoaderRegistry() {
    InitializeCriticalSection(&loaderLock);
    InitializeCriticalSection(&listenerLock);
}

FileLoaderRegistry::~FileLoaderRegistry() {
    // Runs when the library is unloaded, when nothing else can call in, so it
    // takes no lock.
    for (std::unique_ptr<IFileLoader>& loader : loaders) {
        loader.reset();
    }
    DeleteCriticalSection(&listenerLock);
    DeleteCriticalSection(&loaderLock);
}

void FileLoaderRegistry::addLoader(std::unique_ptr<IFileLoader> loader) {
    if (!loader) {
        return;
    }
    const CriticalSectionGuard guard(loaderLock);
    loaders.push_back(std::move(loader));
    std::stable_sort(loaders.begin(), loaders.end(),
                     [](const auto& a, const auto& b) { return a->priority < b->priority; });
}

File* FileLoaderRegistry::openFile(const std::string& path, int mode) {
    const CriticalSectionGuard guard(loaderLock);
    const bool absolute = countsAbsolute(path);
    for (const std::unique_ptr<IFileLoader>& loader : loaders) {
        if (File* file = loader->openFile(path, mode, absolute)) {
            return file;
        }
    }
    return nullptr;
}

void FileLoaderRegistry::notifyError(const std::string& path, std::uint32_t kind) {
    const CriticalSectionGuard guard(listenerLock);
    for (IFileErrorListener* listener : listeners) {
        listener->fileError(path, kind);
    }
}

void FileLoaderRegistry::addListener(IFileErrorListener* listener) {
    if (listener == nullptr) {
        return;
    }
    const CriticalSectionGuard guard(listenerLock);
    listeners.push_back(listener);
}

void FileLoaderRegistry::removeListener(IFileErrorListener* listener) {
    const CriticalSectionGuard guard(listenerLock);
    listeners.erase(std::remove(listeners.begin(), listeners.end(), listener), listeners.end());
}

std::vector<std::uint32_t> FileLoaderRegistry::loaderPriorities() const {
    const CriticalSectionGuard guard(loaderLock);
    std::vector<std::uint32_t> priorities;
    for (const std::unique_ptr<IFileLoader>& loader : loaders) {
        priorities.push_back(loader->priority);
    }
    return priorities;
}
