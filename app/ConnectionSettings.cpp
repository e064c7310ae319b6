#include "app/ConnectionSettings.h"

#include <cstring>
#include <new>

ConnectionSettings::ConnectionSettings() {
    std::memset(static_cast<void*>(this), 0, kConnectionSettingsDataBytes);
}

ConnectionSettings::ConnectionSettings(const ConnectionSettings& src) : logPath(src.logPath) {
    std::memcpy(static_cast<void*>(this), &src, kConnectionSettingsDataBytes);
}

ConnectionSettings& ConnectionSettings::operator=(const ConnectionSettings& src) {
    std::memcpy(static_cast<void*>(this), &src, kConnectionSettingsDataBytes);
    logPath = src.logPath;
    return *this;
}

ConnectionSettingsImage ConnectionSettingsImage::CopyOf(const ConnectionSettings& settings) {
    ConnectionSettingsImage image;
    new (image.bytes) ConnectionSettings(settings);
    return image;
}

ConnectionSettings& ConnectionSettingsImage::Record() {
    return *std::launder(reinterpret_cast<ConnectionSettings*>(bytes));
}

void ConnectionSettingsImage::Release() { Record().~ConnectionSettings(); }

ConnectionSettings& TheConnectionSettings() {
    static ConnectionSettings settings;
    return settings;
}
