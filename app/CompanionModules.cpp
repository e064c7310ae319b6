#include "app/CompanionModules.h"

void CallConfiguringModule(ConfigureEntry entry, ConnectionSettings& settings) {
    // The argument's string reference passes to the module, which releases
    // it; the result's reference is ours to release after the assignment.
    ConnectionSettingsImage result = entry(ConnectionSettingsImage::CopyOf(settings));
    settings = result.Record();
    result.Release();
}

void CallUsingModule(UseEntry entry, const ConnectionSettings& settings) {
    entry(ConnectionSettingsImage::CopyOf(settings));
}
