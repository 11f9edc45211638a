// The part of the Windows API that the core library uses, for building and
// testing on a POSIX host.  Types and constants keep their Windows shapes and
// values, so code written against them compiles unchanged on either system.
// The calls are implemented over POSIX in platform/src.
#ifndef ORVEX_PLATFORM_WINDOWS_H
#define ORVEX_PLATFORM_WINDOWS_H

#include <cstdint>

typedef void* HANDLE;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef LONG* PLONG;
typedef std::intptr_t LONG_PTR;
typedef int BOOL;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef DWORD* LPDWORD;

// Only ever passed as null: asynchronous I/O and security descriptors are not
// supported by this stand-in.
struct OVERLAPPED;
typedef OVERLAPPED* LPOVERLAPPED;
struct SECURITY_ATTRIBUTES;
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1));

constexpr DWORD INVALID_SET_FILE_POINTER = 0xFFFFFFFFu;
constexpr DWORD INVALID_FILE_SIZE = 0xFFFFFFFFu;
constexpr DWORD MAX_PATH = 260;

// Access rights, share modes and creation dispositions of CreateFileA.  Only
// CREATE_NEW, CREATE_ALWAYS and OPEN_EXISTING are supported; any other
// disposition fails with ERROR_INVALID_PARAMETER.  Share modes are accepted
// and not enforced.  An access of 0 opens a file, directory or device only to
// query it: such a handle neither reads nor writes.
constexpr DWORD GENERIC_READ = 0x80000000u;
constexpr DWORD GENERIC_WRITE = 0x40000000u;
constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD FILE_SHARE_WRITE = 0x2;
constexpr DWORD FILE_SHARE_DELETE = 0x4;
constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;

// File attributes and flags.
constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x4;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_DEVICE = 0x40;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD FILE_ATTRIBUTE_TEMPORARY = 0x100;
constexpr DWORD FILE_ATTRIBUTE_REPARSE_POINT = 0x400;
constexpr DWORD FILE_ATTRIBUTE_OFFLINE = 0x1000;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;
constexpr DWORD FILE_FLAG_BACKUP_SEMANTICS = 0x02000000u;

// Flags of MoveFileExA.
constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x1;

// Flags of GetFinalPathNameByHandleA: the normalised name (the only kind the
// stand-in gives).
constexpr DWORD FILE_NAME_NORMALIZED = 0x0;

// Move methods of SetFilePointer.
constexpr DWORD FILE_BEGIN = 0;
constexpr DWORD FILE_CURRENT = 1;

// Error codes that GetLastError reports.
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_TOO_MANY_OPEN_FILES = 4;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_SAME_DEVICE = 17;
constexpr DWORD ERROR_GEN_FAILURE = 31;
constexpr DWORD ERROR_FILE_EXISTS = 80;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_DISK_FULL = 112;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_NEGATIVE_SEEK = 131;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_FILENAME_EXCED_RANGE = 206;
constexpr DWORD ERROR_FILE_CORRUPT = 1392;
constexpr DWORD ERROR_DISK_CORRUPT = 1393;

// A point in time in 100-nanosecond units since 1 January 1601 (UTC).
typedef struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
} FILETIME, *LPFILETIME;

// What GetFileInformationByHandle reports: the volume and file index
// together identify a file, whatever names lead to it.
typedef struct BY_HANDLE_FILE_INFORMATION {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD dwVolumeSerialNumber;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD nNumberOfLinks;
    DWORD nFileIndexHigh;
    DWORD nFileIndexLow;
} BY_HANDLE_FILE_INFORMATION, *LPBY_HANDLE_FILE_INFORMATION;

typedef struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    char cFileName[MAX_PATH];
    char cAlternateFileName[14];
} WIN32_FIND_DATAA, *LPWIN32_FIND_DATAA;

// A lock that its owning thread may enter again; opaque to its users.
typedef struct CRITICAL_SECTION {
    alignas(16) unsigned char opaque[64];
} CRITICAL_SECTION, *LPCRITICAL_SECTION;

// Names are Windows-style: '\' and '/' both separate components, a drive
// prefix such as "D:" is an ordinary directory name under the working
// directory, and a component whose exact spelling is missing is looked up
// without regard to the case of ASCII letters (orvex_platform::nativePath).
// Opening follows symbolic links, except that CREATE_NEW fails with
// ERROR_FILE_EXISTS when anything, a link included, stands at the name.  A
// pipe never makes the open wait for its other end.  A file that CREATE_NEW
// creates gets the permissions of the template file, when one is given (the
// stand-in's rendering of the attributes a template hands on).
HANDLE CreateFileA(LPCSTR name, DWORD desiredAccess, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);
BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead, LPOVERLAPPED overlapped);
BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten,
               LPOVERLAPPED overlapped);
DWORD SetFilePointer(HANDLE file, LONG distanceToMove, PLONG distanceToMoveHigh, DWORD moveMethod);
DWORD GetFileSize(HANDLE file, LPDWORD fileSizeHigh);
BOOL GetFileTime(HANDLE file, LPFILETIME creationTime, LPFILETIME lastAccessTime, LPFILETIME lastWriteTime);
BOOL CloseHandle(HANDLE object);

// The attributes and identity of the file an open handle stands for.
// Directories are FILE_ATTRIBUTE_DIRECTORY; devices, pipes and sockets
// FILE_ATTRIBUTE_DEVICE.
BOOL GetFileInformationByHandle(HANDLE file, LPBY_HANDLE_FILE_INFORMATION information);
// The full path of the file an open handle stands for, every link on the way
// resolved, as this host spells it.  Returns its length without the
// terminating zero, or the size needed (with it) when the buffer is too
// small; 0 on failure.
DWORD GetFinalPathNameByHandleA(HANDLE file, LPSTR path, DWORD size, DWORD flags);

// The attributes of what stands at a name, without following a symbolic
// link there (a link has FILE_ATTRIBUTE_REPARSE_POINT);
// INVALID_FILE_ATTRIBUTES when nothing does.
DWORD GetFileAttributesA(LPCSTR name);
// Renames a file within its volume.  Without MOVEFILE_REPLACE_EXISTING an
// existing new name fails with ERROR_ALREADY_EXISTS; with it a file there is
// replaced, a directory is not (ERROR_ACCESS_DENIED).
BOOL MoveFileExA(LPCSTR existingName, LPCSTR newName, DWORD flags);
BOOL DeleteFileA(LPCSTR name);
// Gives an existing file a second name (ERROR_ALREADY_EXISTS when the new
// name is taken).
BOOL CreateHardLinkA(LPCSTR newName, LPCSTR existingName, LPSECURITY_ATTRIBUTES security);

DWORD GetCurrentProcessId();

// Finds the first entry that matches a name whose last component may hold the
// wildcards '*' and '?'; the entries of a directory are searched in byte
// order of their names, and wildcards never match "." or "..".  cFileName receives the name as spelled on
// disk.
HANDLE FindFirstFileA(LPCSTR fileName, LPWIN32_FIND_DATAA findData);
BOOL FindClose(HANDLE findFile);

// The error code of the last failed call on the calling thread.
DWORD GetLastError();

void InitializeCriticalSection(LPCRITICAL_SECTION section);
void EnterCriticalSection(LPCRITICAL_SECTION section);
void LeaveCriticalSection(LPCRITICAL_SECTION section);
void DeleteCriticalSection(LPCRITICAL_SECTION section);

#endif
