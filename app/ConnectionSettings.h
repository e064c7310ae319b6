#pragma once
// The printer connection record that the launcher holds for the whole run and
// hands to every companion module. Its 48 bytes are shared bit for bit with
// the modules; the launcher reads only `connected` and writes only `logPath`
// and `connected`, every other byte is the modules' and is copied unchanged.

#include <cstddef>
#include <cstdint>

#include "framework/String.h"

struct ConnectionSettings {
    char portName[12];         // e.g. "COM1", "USB001", "LPT1"
    std::uint32_t baudRate;
    std::uint8_t dataBits;
    std::uint8_t parity;
    std::uint8_t stopBits;
    std::uint8_t flowControl;
    std::uint8_t address[16];  // IPv4 address, subnet mask, gateway, port (big-endian pairs)
    std::uint32_t timeoutMs;
    std::uint8_t connected;    // 1: the connection is configured and usable
    // 3 bytes of alignment padding: never copied, never read
    CString logPath;

    ConnectionSettings();
    ConnectionSettings(const ConnectionSettings& src);
    ConnectionSettings& operator=(const ConnectionSettings& src);
    ~ConnectionSettings() = default;

    bool IsConnected() const { return connected == 1; }
};

// Bytes in front of the padding: everything a copy takes besides logPath.
constexpr std::size_t kConnectionSettingsDataBytes = 41;

static_assert(sizeof(ConnectionSettings) == 48, "the record is shared with the modules");
static_assert(offsetof(ConnectionSettings, baudRate) == 12, "field offsets are shared with the modules");
static_assert(offsetof(ConnectionSettings, dataBits) == 16, "field offsets are shared with the modules");
static_assert(offsetof(ConnectionSettings, address) == 20, "field offsets are shared with the modules");
static_assert(offsetof(ConnectionSettings, timeoutMs) == 36, "field offsets are shared with the modules");
static_assert(offsetof(ConnectionSettings, connected) == 40, "field offsets are shared with the modules");
static_assert(offsetof(ConnectionSettings, logPath) == 44, "field offsets are shared with the modules");

// The record as it crosses a module boundary: a plain 48-byte image, so that
// every compiler passes it on the stack and returns it through a hidden
// pointer. An image holds its own reference to the log-path string, which is
// counted by hand: whoever receives an image releases it once.
struct ConnectionSettingsImage {
    alignas(4) unsigned char bytes[sizeof(ConnectionSettings)];

    // An image of a copy of `settings` (the string gains a reference).
    static ConnectionSettingsImage CopyOf(const ConnectionSettings& settings);

    // The record held in the image.
    ConnectionSettings& Record();
    // Gives up the image's string reference; the image is dead afterwards.
    void Release();
};

static_assert(sizeof(ConnectionSettingsImage) == 48, "the image is the record, byte for byte");

// The launcher's record, for the whole process.
ConnectionSettings& TheConnectionSettings();
