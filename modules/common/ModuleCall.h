#pragma once
// What every substitute companion module does with one call of its ordinal 1:
// take the record (and the string reference that comes with it), run either
// its dialog or, when VMTOOL_MODULE_SCRIPT names a folder, the scripted
// mode, and for a configuring module build the record it returns.
//
// Scripted mode, for tests: each call appends one line to journal.txt in the
// folder, "<module>|<hex of bytes 0 to 40>|<log path>". A configuring module
// then takes the first line of replies.txt (and removes it) to build its
// result: "connected=<n>" returns the received record with that value,
// "<82 hex digits>|<log path>" returns that record; no line returns the
// record unchanged.

#include "app/ConnectionSettings.h"

// The module's dialog: edits `settings` and returns true to hand them back,
// false to return the record as it came.
using ConfigureDialog = bool (*)(ConnectionSettings& settings);
using UseDialog = void (*)(const ConnectionSettings& settings);

ConnectionSettingsImage RunConfiguringCall(const char* pszModule, ConnectionSettingsImage argument,
                                           ConfigureDialog dialog);
void RunUsingCall(const char* pszModule, ConnectionSettingsImage argument, UseDialog dialog);

// The folder of the scripted mode; empty when the module should show its dialog.
CString ScriptFolder();

// "<hex of bytes 0 to 40>" of a record, and back; false for malformed text.
CString RecordBytesToHex(const ConnectionSettings& settings);
bool RecordBytesFromHex(const char* pszHex, ConnectionSettings& settings);
