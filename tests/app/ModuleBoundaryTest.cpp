// The launcher's side of the module boundary, checked against entry points
// that behave as the vendor's compiler builds them.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <new>
#include <string>

#include "app/CompanionModules.h"
#include "tests/support/VendorCall.h"

namespace {

struct ProbeState {
    std::function<void(ConnectionSettings& result)> reply = [](ConnectionSettings&) {};
    long nArgumentRefs = 0;  // references of the argument's string during the call
    int nCalls = 0;
};
ProbeState g_probe;

ConnectionSettings Patterned(const char* pszLogPath) {
    ConnectionSettings s;
    auto* bytes = reinterpret_cast<unsigned char*>(&s);
    for (size_t i = 0; i < kConnectionSettingsDataBytes; ++i)
        bytes[i] = static_cast<unsigned char>(0x30 + i);
    s.logPath = pszLogPath;
    return s;
}

long Refs(const CString& s) { return s.GetData()->nRefs; }

const ConfigureEntry kConfiguringProbe = reinterpret_cast<ConfigureEntry>(&ProbeConfiguring);
const UseEntry kUsingProbe = reinterpret_cast<UseEntry>(&ProbeUsing);

}  // namespace

extern "C" void __cdecl ProbeConfiguringBody(void* pResult, void* pArgument) {
    // As the vendor's callee: the result constructed in place, the by-value
    // argument destroyed on the way out.
    auto* argument = static_cast<ConnectionSettingsImage*>(pArgument);
    g_probe.nArgumentRefs = Refs(argument->Record().logPath);
    ++g_probe.nCalls;
    auto* result = new (pResult) ConnectionSettings(argument->Record());
    g_probe.reply(*result);
    argument->Release();
}

extern "C" void __cdecl ProbeUsingBody(void* pArgument) {
    auto* argument = static_cast<ConnectionSettingsImage*>(pArgument);
    g_probe.nArgumentRefs = Refs(argument->Record().logPath);
    ++g_probe.nCalls;
    argument->Release();
}

namespace {

class ModuleBoundaryTest : public ::testing::Test {
protected:
    void SetUp() override { g_probe = ProbeState{}; }
};

TEST_F(ModuleBoundaryTest, ConfiguringCallPutsResultAddressThenRecordOnTheStack) {
    ConnectionSettings settings = Patterned("C:\\Tools\\Log.ini");
    EXPECT_EQ(Refs(settings.logPath), 1);

    CallConfiguringModule(kConfiguringProbe, settings);

    std::uintptr_t resultAddress;
    std::memcpy(&resultAddress, g_probeStack + 4, 4);
    EXPECT_NE(resultAddress, 0u);
    EXPECT_EQ(std::memcmp(g_probeStack + 8, &settings, kConnectionSettingsDataBytes), 0);
    const char* pszPassed;
    std::memcpy(&pszPassed, g_probeStack + 8 + 44, 4);
    EXPECT_EQ(pszPassed, settings.logPath.GetString()) << "the argument shares the record's string";
    EXPECT_EQ(g_probe.nArgumentRefs, 2);
    EXPECT_EQ(Refs(settings.logPath), 1);
}

TEST_F(ModuleBoundaryTest, UsingCallPutsOnlyTheRecordOnTheStack) {
    ConnectionSettings settings = Patterned("D:\\Log.ini");

    CallUsingModule(kUsingProbe, settings);

    EXPECT_EQ(std::memcmp(g_probeStack + 4, &settings, kConnectionSettingsDataBytes), 0);
    const char* pszPassed;
    std::memcpy(&pszPassed, g_probeStack + 4 + 44, 4);
    EXPECT_EQ(pszPassed, settings.logPath.GetString());
    EXPECT_EQ(g_probe.nArgumentRefs, 2);
    EXPECT_EQ(Refs(settings.logPath), 1);
}

// The entry types the launcher calls through leave the stack where it was
// when the callee pops 52 (configuring) or 48 (using) bytes.
TEST_F(ModuleBoundaryTest, CallerExpectsTheCalleeToPopItsArguments) {
    ConnectionSettings settings = Patterned("x");
    std::uintptr_t before, after;

    ConfigureEntry configure = kConfiguringProbe;
    asm volatile("movl %%esp, %0" : "=r"(before)::"memory");
    ConnectionSettingsImage result = configure(ConnectionSettingsImage::CopyOf(settings));
    asm volatile("movl %%esp, %0" : "=r"(after)::"memory");
    EXPECT_EQ(after, before);
    result.Release();

    UseEntry use = kUsingProbe;
    asm volatile("movl %%esp, %0" : "=r"(before)::"memory");
    use(ConnectionSettingsImage::CopyOf(settings));
    asm volatile("movl %%esp, %0" : "=r"(after)::"memory");
    EXPECT_EQ(after, before);
    EXPECT_EQ(g_probe.nCalls, 2);
}

TEST_F(ModuleBoundaryTest, ReturnedRecordReplacesEveryField) {
    ConnectionSettings settings = Patterned("C:\\Log.ini");
    g_probe.reply = [](ConnectionSettings& result) {
        std::memset(static_cast<void*>(&result), 0x5A, kConnectionSettingsDataBytes);
        result.connected = 1;
        result.logPath = "E:\\Other\\Log.ini";
    };
    CallConfiguringModule(kConfiguringProbe, settings);

    ConnectionSettings expected;
    std::memset(static_cast<void*>(&expected), 0x5A, kConnectionSettingsDataBytes);
    expected.connected = 1;
    EXPECT_EQ(std::memcmp(&settings, &expected, kConnectionSettingsDataBytes), 0);
    EXPECT_STREQ(settings.logPath, "E:\\Other\\Log.ini");
    EXPECT_EQ(Refs(settings.logPath), 1);
}

// Whatever a module returns is taken as it is, with every buffer freed once.
struct BadResult {
    const char* name;
    std::uint8_t connected;
    std::string text;
    enum Source { OWN, OWN_LOCKED, FOREIGN, FOREIGN_LOCKED } source;
};

class BadResultTest : public ModuleBoundaryTest, public ::testing::WithParamInterface<BadResult> {};

TEST_P(BadResultTest, IsTakenWithoutLeaksOrDoubleFrees) {
    const BadResult& bad = GetParam();
    CHeapStringMgr foreign;
    CHeapStringMgr& own = CHeapStringMgr::Default();
    {
        ConnectionSettings settings = Patterned("C:\\Tools\\Log.ini");
        const long nOwnLive = own.GetLiveCount();
        g_probe.reply = [&](ConnectionSettings& result) {
            result.connected = bad.connected;
            const bool bForeign = bad.source == BadResult::FOREIGN || bad.source == BadResult::FOREIGN_LOCKED;
            const CString text(bad.text.data(), static_cast<int>(bad.text.size()), bForeign ? &foreign : &own);
            // Construction, unlike assignment, keeps the source's manager.
            result.logPath.~CString();
            new (&result.logPath) CString(text);
            if (bad.source == BadResult::OWN_LOCKED || bad.source == BadResult::FOREIGN_LOCKED)
                result.logPath.LockBuffer();
        };
        CallConfiguringModule(kConfiguringProbe, settings);

        EXPECT_EQ(settings.connected, bad.connected);
        EXPECT_EQ(std::string(settings.logPath.GetString(), settings.logPath.GetLength()), bad.text);
        EXPECT_EQ(settings.logPath.GetManager(), &own);
        EXPECT_GE(Refs(settings.logPath), 1);
        EXPECT_EQ(foreign.GetLiveCount(), 0) << "the result's foreign buffer was not released";
        EXPECT_EQ(own.GetLiveCount(), nOwnLive - (bad.text.empty() ? 1 : 0));
    }
    EXPECT_EQ(foreign.GetAllocationCount(), foreign.GetFreeCount());
}

INSTANTIATE_TEST_SUITE_P(
    AnyConnectedAnyString, BadResultTest,
    ::testing::Values(BadResult{"connected0", 0, "C:\\Log.ini", BadResult::OWN},
                      BadResult{"connected2", 2, "C:\\Log.ini", BadResult::OWN},
                      BadResult{"connected255", 255, "C:\\Log.ini", BadResult::OWN},
                      BadResult{"emptyOwn", 1, "", BadResult::OWN},
                      BadResult{"emptyForeign", 1, "", BadResult::FOREIGN},
                      BadResult{"veryLongOwn", 1, std::string(100000, 'p'), BadResult::OWN},
                      BadResult{"veryLongForeign", 1, std::string(100000, 'q'), BadResult::FOREIGN},
                      BadResult{"lockedOwn", 1, "locked path", BadResult::OWN_LOCKED},
                      BadResult{"lockedForeign", 1, "locked foreign path", BadResult::FOREIGN_LOCKED},
                      BadResult{"foreign", 1, "F:\\From\\Module.ini", BadResult::FOREIGN}),
    [](const ::testing::TestParamInfo<BadResult>& info) { return std::string(info.param.name); });

}  // namespace
