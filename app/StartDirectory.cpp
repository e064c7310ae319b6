#include "app/StartDirectory.h"

#include <windows.h>

char startDirectory[kStartDirectorySize];

void CaptureStartDirectory() {
    const DWORD nLength = ::GetCurrentDirectoryA(kStartDirectorySize, startDirectory);
    // A directory that does not fit leaves the buffer as it was, which is
    // not always empty: make it so.
    if (nLength == 0 || nLength >= kStartDirectorySize)
        startDirectory[0] = '\0';
}

CString StartDirectoryPath(const char* pszName) {
    return CString(startDirectory) + "\\" + pszName;
}
