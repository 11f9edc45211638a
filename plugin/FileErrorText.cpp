#include "plugin/FileErrorText.h"

#include <windows.h>

std::string fileErrorText(uint32_t error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return "it does not exist";
    case ERROR_PATH_NOT_FOUND:
        return "its folder does not exist";
    case ERROR_ACCESS_DENIED:
        return "it is not writable";
    case ERROR_FILENAME_EXCED_RANGE:
        return "the name is too long";
    case ERROR_DISK_FULL:
        return "the disk is full";
    case ERROR_TOO_MANY_OPEN_FILES:
        return "too many files are open";
    case ERROR_INVALID_PARAMETER:
        return "the name is not valid";
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return "another file is in the way";
    case ERROR_NOT_SAME_DEVICE:
        return "it lies on another disk";
    default:
        return "system error " + std::to_string(error);
    }
}
