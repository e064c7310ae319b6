#pragma once
// The directory the launcher started in, captured once when its window
// initialises: the base of the log path and of the manuals folder.

#include "framework/String.h"

constexpr int kStartDirectorySize = 256;

// Zero-terminated; empty until captured, and when the current directory
// could not be read or needs more than 255 characters.
extern char startDirectory[kStartDirectorySize];

void CaptureStartDirectory();

// "<start directory>\<name>": one backslash between the two, two in a row
// when the directory is a drive root, whose name already ends in one.
CString StartDirectoryPath(const char* pszName);
