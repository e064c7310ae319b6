#pragma once
// A folder for the substitute modules' scripted mode, made for one test:
// while it lives, VMTOOL_MODULE_SCRIPT names it, so that every module call of
// this process (and of the programs it starts) is journalled there and the
// configuring modules answer with the replies queued here.

#include <string>
#include <vector>

struct JournalEntry {
    std::string module;
    std::string hex;  // bytes 0 to 40 of the record received
    std::string logPath;
};

class ModuleScript {
public:
    ModuleScript();
    ModuleScript(const ModuleScript&) = delete;
    ModuleScript& operator=(const ModuleScript&) = delete;
    ~ModuleScript();

    const std::string& Folder() const { return m_folder; }
    // Queues the answer of the next configuring call ("connected=1", or
    // "<82 hex digits>|<log path>").
    void AddReply(const std::string& line);
    std::vector<JournalEntry> Journal() const;

private:
    std::string m_folder;
};

// "<82 hex digits>" of 41 record bytes.
std::string HexOf(const unsigned char* bytes);
