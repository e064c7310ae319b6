#include "modules/common/ModuleCall.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string ReadFile(const CString& path) {
    std::string text;
    if (FILE* file = std::fopen(path, "rb")) {
        char chunk[4096];
        for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
            text.append(chunk, n);
        std::fclose(file);
    }
    return text;
}

void AppendLine(const CString& path, const CString& line) {
    if (FILE* file = std::fopen(path, "ab")) {
        std::fprintf(file, "%s\r\n", line.GetString());
        std::fclose(file);
    }
}

// Takes the first line out of the replies file; empty when there is none.
std::string TakeReply(const CString& folder) {
    const CString path = folder + "\\replies.txt";
    const std::string text = ReadFile(path);
    const size_t end = text.find('\n');
    std::string reply = text.substr(0, end);
    const std::string rest = end == std::string::npos ? std::string() : text.substr(end + 1);
    if (FILE* file = std::fopen(path, "wb")) {
        std::fwrite(rest.data(), 1, rest.size(), file);
        std::fclose(file);
    }
    while (!reply.empty() && (reply.back() == '\r' || reply.back() == ' '))
        reply.pop_back();
    return reply;
}

void Journal(const CString& folder, const char* pszModule, const ConnectionSettings& settings) {
    AppendLine(folder + "\\journal.txt",
               CString(pszModule) + "|" + RecordBytesToHex(settings) + "|" + settings.logPath);
}

void ApplyReply(const std::string& reply, ConnectionSettings& settings) {
    if (reply.rfind("connected=", 0) == 0) {
        settings.connected = static_cast<std::uint8_t>(std::atoi(reply.c_str() + 10));
        return;
    }
    const size_t bar = reply.find('|');
    if (bar == std::string::npos)
        return;
    ConnectionSettings parsed(settings);
    if (RecordBytesFromHex(reply.substr(0, bar).c_str(), parsed)) {
        parsed.logPath = reply.substr(bar + 1).c_str();
        settings = parsed;
    }
}

}  // namespace

CString ScriptFolder() {
    CString folder;
    const DWORD n = GetEnvironmentVariableA("VMTOOL_MODULE_SCRIPT", folder.GetBuffer(MAX_PATH), MAX_PATH);
    folder.ReleaseBuffer(n < MAX_PATH ? static_cast<int>(n) : 0);
    return folder;
}

CString RecordBytesToHex(const ConnectionSettings& settings) {
    static const char digits[] = "0123456789abcdef";
    const auto* bytes = reinterpret_cast<const unsigned char*>(&settings);
    CString hex;
    char* out = hex.GetBuffer(2 * kConnectionSettingsDataBytes);
    for (size_t i = 0; i < kConnectionSettingsDataBytes; ++i) {
        out[2 * i] = digits[bytes[i] >> 4];
        out[2 * i + 1] = digits[bytes[i] & 15];
    }
    hex.ReleaseBuffer(2 * kConnectionSettingsDataBytes);
    return hex;
}

bool RecordBytesFromHex(const char* pszHex, ConnectionSettings& settings) {
    if (std::strlen(pszHex) != 2 * kConnectionSettingsDataBytes)
        return false;
    unsigned char bytes[kConnectionSettingsDataBytes];
    for (size_t i = 0; i < kConnectionSettingsDataBytes; ++i) {
        unsigned value;
        if (std::sscanf(pszHex + 2 * i, "%2x", &value) != 1)
            return false;
        bytes[i] = static_cast<unsigned char>(value);
    }
    std::memcpy(static_cast<void*>(&settings), bytes, sizeof bytes);
    return true;
}

ConnectionSettingsImage RunConfiguringCall(const char* pszModule, ConnectionSettingsImage argument,
                                           ConfigureDialog dialog) {
    ConnectionSettings settings(argument.Record());
    argument.Release();

    const CString folder = ScriptFolder();
    if (!folder.IsEmpty()) {
        Journal(folder, pszModule, settings);
        ApplyReply(TakeReply(folder), settings);
    } else {
        ConnectionSettings edited(settings);
        if (dialog(edited))
            settings = edited;
    }
    return ConnectionSettingsImage::CopyOf(settings);
}

void RunUsingCall(const char* pszModule, ConnectionSettingsImage argument, UseDialog dialog) {
    ConnectionSettings settings(argument.Record());
    argument.Release();

    const CString folder = ScriptFolder();
    if (!folder.IsEmpty())
        Journal(folder, pszModule, settings);
    else
        dialog(settings);
}
