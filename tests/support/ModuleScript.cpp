#include "tests/support/ModuleScript.h"

#include <windows.h>

#include <fstream>
#include <sstream>

ModuleScript::ModuleScript() {
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    char szFolder[MAX_PATH];
    ::GetTempFileNameA(szTemp, "vms", 0, szFolder);  // a unique name, made as a file
    ::DeleteFileA(szFolder);
    ::CreateDirectoryA(szFolder, nullptr);
    m_folder = szFolder;
    ::SetEnvironmentVariableA("VMTOOL_MODULE_SCRIPT", m_folder.c_str());
}

ModuleScript::~ModuleScript() {
    ::SetEnvironmentVariableA("VMTOOL_MODULE_SCRIPT", nullptr);
    ::DeleteFileA((m_folder + "\\journal.txt").c_str());
    ::DeleteFileA((m_folder + "\\replies.txt").c_str());
    ::RemoveDirectoryA(m_folder.c_str());
}

void ModuleScript::AddReply(const std::string& line) {
    std::ofstream(m_folder + "\\replies.txt", std::ios::app | std::ios::binary) << line << "\r\n";
}

std::vector<JournalEntry> ModuleScript::Journal() const {
    std::vector<JournalEntry> entries;
    std::ifstream file(m_folder + "\\journal.txt", std::ios::binary);
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t first = line.find('|');
        const size_t second = line.find('|', first + 1);
        if (first == std::string::npos || second == std::string::npos)
            continue;
        entries.push_back({line.substr(0, first), line.substr(first + 1, second - first - 1), line.substr(second + 1)});
    }
    return entries;
}

std::string HexOf(const unsigned char* bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (int i = 0; i < 41; ++i) {
        hex += digits[bytes[i] >> 4];
        hex += digits[bytes[i] & 15];
    }
    return hex;
}
