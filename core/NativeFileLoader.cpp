#include "core/NativeFileLoader.h"

#include "core/FileSystemQueries.h"
#include "core/NativeFile.h"

#include <memory>
#include <utility>

NativeFileLoader::NativeFileLoader(std::string base, std::uint32_t loaderPriority)
    : IFileLoader(loaderPriority), basePath(std::move(base)) {}

std::string NativeFileLoader::fullPath(const std::string& path, bool absolute) const {
    return absolute ? path : basePath + path;
}

File* NativeFileLoader::openFile(const std::string& path, int mode, bool absolute) {
    auto file = std::make_unique<NativeFile>();
    if (!file->open(fullPath(path, absolute), mode)) {
        return nullptr;
    }
    return file.release();
}

bool NativeFileLoader::fileExists(const std::string& path, bool absolute) {
    return fileKind(fullPath(path, absolute)) == fileKindFile;
}

void NativeFileLoader::rebase(const std::string& oldBase, const std::string& newBase) {
    if (basePath == oldBase) {
        basePath = newBase;
    }
}
