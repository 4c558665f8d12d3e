// The Win32 subset a CAD add-on uses, with Microsoft's names, types and values:
// the registry, message boxes, help requests, key state, module handles, the
// wide-character C runtime file calls and directory search. Strings are
// wchar_t as the W functions take them; on this host wchar_t is four bytes,
// so registry string sizes count sizeof(wchar_t) per character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

using BOOL = int;
using BYTE = unsigned char;
using WORD = unsigned short;
using DWORD = uint32_t;
using LONG = int32_t;
using UINT = unsigned int;
using SHORT = short;
using WCHAR = wchar_t;
using LPBYTE = BYTE*;
using LPDWORD = DWORD*;
using LPWSTR = wchar_t*;
using LPCWSTR = const wchar_t*;
using LPVOID = void*;
using HANDLE = void*;
using ULONG_PTR = uintptr_t;
using LONG_PTR = intptr_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LSTATUS = LONG;
using REGSAM = DWORD;

#define TRUE 1
#define FALSE 0
#define MAX_PATH 260
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1)))

struct HWND__;
using HWND = HWND__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};
using PFILETIME = FILETIME*;

struct POINT {
    LONG x;
    LONG y;
};

struct SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
};
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

// Error codes.
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NO_MORE_FILES 18L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_MORE_DATA 234L
#define ERROR_NO_MORE_ITEMS 259L
#define ERROR_KEY_DELETED 1018L

// Registry.
#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000000u)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000001u)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000002u)))

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7
#define REG_QWORD 11

#define REG_OPTION_NON_VOLATILE 0x00000000L
#define REG_CREATED_NEW_KEY 0x00000001L
#define REG_OPENED_EXISTING_KEY 0x00000002L

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_CREATE_LINK 0x0020
#define KEY_WOW64_64KEY 0x0100
#define KEY_WOW64_32KEY 0x0200
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_EXECUTE KEY_READ
#define KEY_ALL_ACCESS 0xF003F

// Message boxes.
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFBUTTON3 0x00000200L
#define MB_DEFBUTTON4 0x00000300L
#define MB_APPLMODAL 0x00000000L
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONMASK 0x000000F0L
#define MB_DEFMASK 0x00000F00L

#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7

// Help.
#define HELP_CONTEXT 0x0001L
#define HELP_QUIT 0x0002L
#define HELP_INDEX 0x0003L
#define HELP_CONTENTS 0x0003L
#define HELP_HELPONHELP 0x0004L
#define HELP_SETINDEX 0x0005L
#define HELP_CONTEXTPOPUP 0x0008L
#define HELP_FINDER 0x000bL
#define HELP_KEY 0x0101L
#define HELP_PARTIALKEY 0x0105L

// Keys and window messages.
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_F1 0x70
#define VK_F2 0x71
#define VK_F3 0x72
#define VK_F4 0x73
#define VK_F5 0x74
#define VK_F6 0x75
#define VK_F7 0x76
#define VK_F8 0x77
#define VK_F9 0x78
#define VK_F10 0x79
#define VK_F11 0x7A
#define VK_F12 0x7B

// Files and directory search.
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_HIDDEN 0x00000002
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_NORMAL 0x00000080

#define MOVEFILE_REPLACE_EXISTING 0x00000001

struct WIN32_FIND_DATAW {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    WCHAR cFileName[MAX_PATH];
    WCHAR cAlternateFileName[14];
};
using LPWIN32_FIND_DATAW = WIN32_FIND_DATAW*;

extern "C" {

// Registry calls work on HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE, kept in
// registry.reg of the host profile. Key names are case-insensitive and nest
// with '\'. Each returns ERROR_SUCCESS, or ERROR_INVALID_HANDLE for a key
// handle that is not open, ERROR_INVALID_PARAMETER for a missing out pointer,
// ERROR_KEY_DELETED when the key was deleted under the handle, and what each
// says below.

// Opens an existing subkey (a new handle to hKey itself when lpSubKey is null or
// empty): ERROR_FILE_NOT_FOUND when it does not exist.
LSTATUS RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD ulOptions, REGSAM samDesired,
                      PHKEY phkResult);
// Opens the subkey, creating it and the keys on the way when missing; the
// disposition (when asked) says REG_CREATED_NEW_KEY or REG_OPENED_EXISTING_KEY.
LSTATUS RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD Reserved, LPWSTR lpClass,
                        DWORD dwOptions, REGSAM samDesired,
                        const LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult,
                        LPDWORD lpdwDisposition);
// Type and data of a value (null or empty name: the default value). *lpcbData
// gets the size in bytes, strings with their terminating NUL. A buffer too
// small gives ERROR_MORE_DATA and the size needed; no such value gives
// ERROR_FILE_NOT_FOUND.
LSTATUS RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                         LPBYTE lpData, LPDWORD lpcbData);
// Stores a value (REG_SZ data gets a terminating NUL if it lacks one) and
// writes the registry file. ERROR_ACCESS_DENIED when the handle was opened
// without KEY_SET_VALUE.
LSTATUS RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD Reserved, DWORD dwType,
                       const BYTE* lpData, DWORD cbData);
// Removes a value: ERROR_FILE_NOT_FOUND when there is none of that name.
LSTATUS RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName);
// Removes a subkey that has no subkeys of its own: ERROR_FILE_NOT_FOUND when it
// does not exist, ERROR_ACCESS_DENIED when it has subkeys.
LSTATUS RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey);
// The value at dwIndex, in the order the values were made: ERROR_NO_MORE_ITEMS
// past the last; ERROR_MORE_DATA when the name (*lpcchValueName characters with
// the NUL) or the data does not fit, *lpcbData then the size needed.
LSTATUS RegEnumValueW(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcchValueName,
                      LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);
// The name of the subkey at dwIndex, in alphabetical order: ERROR_NO_MORE_ITEMS
// past the last, ERROR_MORE_DATA when the name does not fit in *lpcchName.
LSTATUS RegEnumKeyExW(HKEY hKey, DWORD dwIndex, LPWSTR lpName, LPDWORD lpcchName,
                      LPDWORD lpReserved, LPWSTR lpClass, LPDWORD lpcchClass,
                      PFILETIME lpftLastWriteTime);
// Releases a handle: ERROR_INVALID_HANDLE when it is not an open one.
LSTATUS RegCloseKey(HKEY hKey);

// Shows caption, text and buttons on the transcript and returns the ID of the
// button the script or driver answered; with no answer, the default button's.
int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType);
// Writes the help request to the transcript; TRUE.
BOOL WinHelpW(HWND hWndMain, LPCWSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);
// The high bit (a negative SHORT) when the key is down in the driver's table.
SHORT GetKeyState(int nVirtKey);

// The handle of a loaded module by file name (with or without extension; the
// host program itself for null); null with ERROR_MOD_NOT_FOUND when none.
HMODULE GetModuleHandleW(LPCWSTR lpModuleName);
// The module's full name with '\' separators; the characters copied without
// the NUL, nSize (truncated, ERROR_INSUFFICIENT_BUFFER) when it does not fit,
// 0 for an unknown module.
DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);

DWORD GetLastError();
void SetLastError(DWORD dwErrCode);

// First entry of a folder that matches the last component of lpFileName
// (* and ? wildcards, any case): INVALID_HANDLE_VALUE with
// ERROR_FILE_NOT_FOUND when none does. "." and ".." are never reported.
HANDLE FindFirstFileW(LPCWSTR lpFileName, LPWIN32_FIND_DATAW lpFindFileData);
// The next match: FALSE with ERROR_NO_MORE_FILES after the last.
BOOL FindNextFileW(HANDLE hFindFile, LPWIN32_FIND_DATAW lpFindFileData);
// FALSE with ERROR_INVALID_HANDLE for a handle FindFirstFileW did not give.
BOOL FindClose(HANDLE hFindFile);

// The C runtime's wide file calls; names are Windows-style (see host/win/paths.h).
// The variable's value, or null when unset. The pointer stays valid until the
// variable is asked for again after a change.
wchar_t* _wgetenv(const wchar_t* varname);
FILE* _wfopen(const wchar_t* filename, const wchar_t* mode);
// 0 when the file exists with the access asked (0 exists, 2 write, 4 read,
// 6 both); -1 with errno set otherwise.
int _waccess(const wchar_t* path, int mode);
// 0 on success; nonzero with errno set otherwise (also when newname exists).
int _wrename(const wchar_t* oldname, const wchar_t* newname);
// 0 on success; -1 with errno set otherwise.
int _wremove(const wchar_t* path);
// Renames a file; with MOVEFILE_REPLACE_EXISTING an existing new name is
// replaced in one step, so readers see the old or the new file, never none.
// TRUE; FALSE with ERROR_FILE_NOT_FOUND when the file is missing,
// ERROR_ACCESS_DENIED when the new name exists and may not be replaced or
// the rename fails, ERROR_INVALID_PARAMETER for a null name.
BOOL MoveFileExW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName, DWORD dwFlags);
// 0 on success; -1 with errno EEXIST or ENOENT otherwise.
int _wmkdir(const wchar_t* dirname);

} // extern "C"
