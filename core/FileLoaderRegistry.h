// The process-wide list of file loaders through which the system opens files
// by path, and the relay of file errors to error listeners.
#ifndef ORVEX_CORE_FILE_LOADER_REGISTRY_H
#define ORVEX_CORE_FILE_LOADER_REGISTRY_H

#include "core/File.h"
#include "core/IFileErrorListener.h"
#include "core/IFileLoader.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

class FileLoaderRegistry {
public:
    // The process-wide registry.  It is created while the library loads,
    // before the host calls in, and destroyed when the library is unloaded,
    // which deletes every loader still registered.
    static FileLoaderRegistry& instance();

    // An empty registry of its own; tests use one to keep the process-wide
    // list free of their loaders.
    FileLoaderRegistry();
    ~FileLoaderRegistry();

    FileLoaderRegistry(const FileLoaderRegistry&) = delete;
    FileLoaderRegistry& operator=(const FileLoaderRegistry&) = delete;

    // Takes the loader and keeps the list sorted by ascending priority;
    // loaders of equal priority are asked in the order they were added.  A
    // null loader is ignored.
    void addLoader(std::unique_ptr<IFileLoader> loader);

    // Asks the loaders in order and returns the first File one of them opens
    // (the caller owns and deletes it), or null.  The path counts absolute
    // when its second character is ':' or it begins with two backslashes;
    // a path beginning with '/' does not.
    File* openFile(const std::string& path, int mode);

    // Whether openFile hands the path to its loaders as absolute: its second
    // character is ':' or it begins with two backslashes.  A path beginning
    // with '/' is not absolute here, so every loader puts its base in front.
    static bool countsAbsolute(const std::string& path);

    // Passes a file error (IFileErrorListener kinds) to every listener.
    void notifyError(const std::string& path, std::uint32_t kind);

    // Listeners are not owned: the caller keeps one alive until it removes it.
    // The exporter itself registers none; tests use them to observe errors.
    void addListener(IFileErrorListener* listener);
    void removeListener(IFileErrorListener* listener);

    // The priorities of the registered loaders, in the order they are asked.
    std::vector<std::uint32_t> loaderPriorities() const;

private:
    std::vector<std::unique_ptr<IFileLoader>> loaders;
    std::vector<IFileErrorListener*> listeners;
    mutable CRITICAL_SECTION loaderLock;
    CRITICAL_SECTION listenerLock;
};

#endif
