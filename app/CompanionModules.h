#pragma once
// The companion modules of the suite: six libraries imported at load time,
// each entered through its ordinal 1 with the connection record by value.
// The two configuring modules return an updated record through a hidden
// result pointer (the callee pops 52 bytes); the four using modules return
// nothing the launcher looks at (the callee pops 48 bytes).

#include "app/ConnectionSettings.h"

using ConfigureEntry = ConnectionSettingsImage(__stdcall*)(ConnectionSettingsImage settings);
using UseEntry = void(__stdcall*)(ConnectionSettingsImage settings);

extern "C" {
// "Channel Picker.dll": port setup.
__declspec(dllimport) ConnectionSettingsImage __stdcall PortSetup(ConnectionSettingsImage settings);
// "LanPanel.dll": network configuration.
__declspec(dllimport) ConnectionSettingsImage __stdcall NetConfig(ConnectionSettingsImage settings);
// "Bitmap Store.dll": logo setup.
__declspec(dllimport) void __stdcall LogoSetup(ConnectionSettingsImage settings);
// "Preference Editor.dll": user setup.
__declspec(dllimport) void __stdcall UserSetup(ConnectionSettingsImage settings);
// "Flash Loader.dll": firmware download.
__declspec(dllimport) void __stdcall FwDownload(ConnectionSettingsImage settings);
// "Proof Page.dll": sample print.
__declspec(dllimport) void __stdcall SamplePrint(ConnectionSettingsImage settings);
}

// Hands `settings` to a configuring module and assigns what it returns.
void CallConfiguringModule(ConfigureEntry entry, ConnectionSettings& settings);

// Hands a copy of `settings` to a using module.
void CallUsingModule(UseEntry entry, const ConnectionSettings& settings);
