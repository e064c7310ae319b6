// The substitute modules as the launcher and any other caller built by the
// vendor's compiler see them: ordinal 1 with no name, the record on the
// stack, the configuring ones returning through the hidden result pointer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/ConnectionSettings.h"
#include "tests/support/ModuleScript.h"
#include "tests/support/VendorCall.h"

namespace {

struct Module {
    const char* file;
    const char* journalName;
    const char* exportName;  // the entry's name in our sources, which the DLL must not export
    bool bConfiguring;
};

class ModuleEntryTest : public ::testing::TestWithParam<Module> {
protected:
    void SetUp() override {
        m_hModule = ::LoadLibraryA(GetParam().file);
        ASSERT_NE(m_hModule, nullptr) << GetParam().file;
        m_pEntry = reinterpret_cast<const void*>(::GetProcAddress(m_hModule, MAKEINTRESOURCEA(1)));
        ASSERT_NE(m_pEntry, nullptr);
    }
    void TearDown() override { ::FreeLibrary(m_hModule); }

    HMODULE m_hModule = nullptr;
    const void* m_pEntry = nullptr;
    ModuleScript m_script;
};

ConnectionSettings Patterned() {
    ConnectionSettings s;
    auto* bytes = reinterpret_cast<unsigned char*>(&s);
    for (size_t i = 0; i < kConnectionSettingsDataBytes; ++i)
        bytes[i] = static_cast<unsigned char>(0xA0 + i);
    s.connected = 1;
    s.logPath = "C:\\Tools\\Log.ini";
    return s;
}

TEST_P(ModuleEntryTest, ExportsOnlyOrdinalOne) {
    EXPECT_EQ(::GetProcAddress(m_hModule, GetParam().exportName), nullptr);
    EXPECT_EQ(::GetProcAddress(m_hModule, MAKEINTRESOURCEA(2)), nullptr);
}

TEST_P(ModuleEntryTest, TakesTheRecordAsTheVendorsCallerPassesIt) {
    const Module& module = GetParam();
    ConnectionSettings settings = Patterned();
    m_script.AddReply("connected=7");
    ConnectionSettingsImage argument = ConnectionSettingsImage::CopyOf(settings);
    ASSERT_EQ(settings.logPath.GetData()->nRefs, 2);

    alignas(4) unsigned char result[48];
    const int nDrift = CallLikeVendor(m_pEntry, module.bConfiguring ? result : nullptr, argument.bytes);

    EXPECT_EQ(nDrift, 0) << "the module must pop " << (module.bConfiguring ? 52 : 48) << " bytes";
    if (module.bConfiguring) {
        EXPECT_EQ(g_vendorCallEax, reinterpret_cast<std::uintptr_t>(result)) << "the result address comes back";
        ConnectionSettingsImage& returned = *reinterpret_cast<ConnectionSettingsImage*>(result);
        EXPECT_EQ(returned.Record().connected, 7);
        EXPECT_EQ(std::memcmp(result, &settings, 40), 0);
        EXPECT_STREQ(returned.Record().logPath, "C:\\Tools\\Log.ini");
        returned.Release();
    }
    EXPECT_EQ(settings.logPath.GetData()->nRefs, 1) << "the module releases the argument's reference";

    const std::vector<JournalEntry> journal = m_script.Journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].module, module.journalName);
    EXPECT_EQ(journal[0].hex, HexOf(reinterpret_cast<const unsigned char*>(&settings)));
    EXPECT_EQ(journal[0].logPath, "C:\\Tools\\Log.ini");
}

INSTANTIATE_TEST_SUITE_P(
    SixModules, ModuleEntryTest,
    ::testing::Values(Module{"Channel Picker.dll", "Channel Picker", "PortSetup@48", true},
                      Module{"LanPanel.dll", "LanPanel", "NetConfig@48", true},
                      Module{"Bitmap Store.dll", "Bitmap Store", "LogoSetup@48", false},
                      Module{"Preference Editor.dll", "Preference Editor", "UserSetup@48", false},
                      Module{"Flash Loader.dll", "Flash Loader", "FwDownload@48", false},
                      Module{"Proof Page.dll", "Proof Page", "SamplePrint@48", false}),
    [](const ::testing::TestParamInfo<Module>& info) {
        const std::string name = info.param.exportName;
        return name.substr(0, name.find('@'));
    });

// The scripted replies of the configuring modules.
struct Reply {
    const char* name;
    std::string line;
    std::uint8_t connected;
    const char* logPath;
    bool bBytesChanged;
};

class ScriptedReplyTest : public ::testing::TestWithParam<Reply> {};

TEST_P(ScriptedReplyTest, BuildsTheResultFromTheReply) {
    const Reply& reply = GetParam();
    ModuleScript script;
    if (!reply.line.empty())
        script.AddReply(reply.line);
    HMODULE hModule = ::LoadLibraryA("Channel Picker.dll");
    const void* pEntry = reinterpret_cast<const void*>(::GetProcAddress(hModule, MAKEINTRESOURCEA(1)));
    ConnectionSettings settings = Patterned();
    ConnectionSettingsImage argument = ConnectionSettingsImage::CopyOf(settings);
    alignas(4) unsigned char result[48];
    ASSERT_EQ(CallLikeVendor(pEntry, result, argument.bytes), 0);
    ConnectionSettingsImage& returned = *reinterpret_cast<ConnectionSettingsImage*>(result);
    EXPECT_EQ(returned.Record().connected, reply.connected);
    EXPECT_STREQ(returned.Record().logPath, reply.logPath);
    EXPECT_EQ(std::memcmp(result, &settings, 40) != 0, reply.bBytesChanged);
    returned.Release();
    ::FreeLibrary(hModule);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ScriptedReplyTest,
    ::testing::Values(Reply{"None", "", 1, "C:\\Tools\\Log.ini", false},
                      Reply{"ConnectedOnly", "connected=0", 0, "C:\\Tools\\Log.ini", false},
                      Reply{"WholeRecord", std::string(80, '1') + "02|D:\\New.ini", 2, "D:\\New.ini", true},
                      Reply{"Malformed", "not a reply", 1, "C:\\Tools\\Log.ini", false}),
    [](const ::testing::TestParamInfo<Reply>& info) { return std::string(info.param.name); });

}  // namespace
