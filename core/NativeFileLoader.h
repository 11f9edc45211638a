// Opens NativeFiles below a base directory.
#ifndef ORVEX_CORE_NATIVE_FILE_LOADER_H
#define ORVEX_CORE_NATIVE_FILE_LOADER_H

#include "core/IFileLoader.h"

#include <string>

class NativeFileLoader : public IFileLoader {
public:
    // The base is put in front of relative paths as it stands, with no
    // separator added, so a base directory is given with its closing '/'.
    NativeFileLoader(std::string base, std::uint32_t loaderPriority);

    // Opens the path alone when it is absolute, else base followed by path.
    File* openFile(const std::string& path, int mode, bool absolute) override;
    void refresh() override {}
    // True only for a regular file; a directory or a missing path is false.
    bool fileExists(const std::string& path, bool absolute) override;
    // Changes the base when it equals oldBase byte for byte.
    void rebase(const std::string& oldBase, const std::string& newBase) override;
    bool isReadOnly() const override { return false; }

private:
    std::string fullPath(const std::string& path, bool absolute) const;

    std::string basePath;
};

#endif
