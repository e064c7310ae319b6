#include "framework/String.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

long Refs(const CString& s) { return s.GetData()->nRefs; }

// A fresh manager per test, standing for another module's string family.
class CStringTest : public ::testing::Test {
protected:
    CHeapStringMgr m_foreign;
    CHeapStringMgr& m_own = CHeapStringMgr::Default();
    long m_nOwnLiveAtStart = m_own.GetLiveCount();

    void TearDown() override { EXPECT_EQ(m_own.GetLiveCount(), m_nOwnLiveAtStart) << "leaked buffers"; }
};

TEST_F(CStringTest, HeaderLiesInFrontOfTheCharacters) {
    CString s("Log.ini");
    const auto* header = reinterpret_cast<const std::int32_t*>(s.GetString()) - 4;
    EXPECT_EQ(reinterpret_cast<IStringMgr*>(header[0]), &m_own);
    EXPECT_EQ(header[1], 7);       // length
    EXPECT_GE(header[2], 7);       // allocated length
    EXPECT_EQ(header[3], 1);       // references
    EXPECT_EQ(s.GetString()[7], '\0');
}

TEST_F(CStringTest, EmptyStringsShareTheManagersNilString) {
    CString a, b;
    CString c(&m_foreign);
    EXPECT_EQ(a.GetData(), b.GetData());
    EXPECT_EQ(a.GetString()[0], '\0');
    EXPECT_EQ(c.GetManager(), &m_foreign);
    EXPECT_NE(c.GetData(), a.GetData());
    EXPECT_EQ(m_own.GetLiveCount(), m_nOwnLiveAtStart);  // the nil string is no allocation
}

TEST_F(CStringTest, CopiesShareUntilOneIsWritten) {
    CString a("C:\\Tools");
    CString b(a);
    EXPECT_EQ(a.GetData(), b.GetData());
    EXPECT_EQ(Refs(a), 2);

    b += "\\Log.ini";
    EXPECT_NE(a.GetData(), b.GetData());
    EXPECT_EQ(Refs(a), 1);
    EXPECT_EQ(Refs(b), 1);
    EXPECT_STREQ(a, "C:\\Tools");
    EXPECT_STREQ(b, "C:\\Tools\\Log.ini");
}

TEST_F(CStringTest, AssignmentReleasesTheOldBuffer) {
    CString a("first");
    CString b("second");
    const long nLive = m_own.GetLiveCount();
    a = b;
    EXPECT_EQ(a.GetData(), b.GetData());
    EXPECT_EQ(Refs(b), 2);
    EXPECT_EQ(m_own.GetLiveCount(), nLive - 1);
    a = a;  // self-assignment keeps everything
    EXPECT_EQ(Refs(b), 2);
}

TEST_F(CStringTest, LockedBuffersAreNeverShared) {
    CString a("locked");
    a.LockBuffer();
    EXPECT_LT(Refs(a), 0);

    CString copy(a);
    EXPECT_NE(copy.GetData(), a.GetData());
    EXPECT_EQ(Refs(copy), 1);
    EXPECT_STREQ(copy, "locked");

    // Assigning to a locked string writes into its own buffer, still locked.
    CString other("other text");
    a = other;
    EXPECT_NE(a.GetData(), other.GetData());
    EXPECT_STREQ(a, "other text");
    EXPECT_LT(Refs(a), 0);
    EXPECT_EQ(Refs(other), 1);

    a.UnlockBuffer();
    EXPECT_EQ(Refs(a), 1);
}

TEST_F(CStringTest, StringsOfAnotherManagerAreCopiedIntoOurOwn) {
    CString foreign("from a module", 13, &m_foreign);
    CString mine("mine");

    mine = foreign;
    EXPECT_EQ(mine.GetManager(), &m_own);
    EXPECT_NE(mine.GetData(), foreign.GetData());
    EXPECT_STREQ(mine, "from a module");
    EXPECT_EQ(Refs(foreign), 1);

    // A copy by construction takes the source's manager and shares.
    CString shared(foreign);
    EXPECT_EQ(shared.GetData(), foreign.GetData());
    EXPECT_EQ(m_foreign.GetLiveCount(), 1);
}

TEST_F(CStringTest, ReleasingTheLastReferenceFreesThroughTheBuffersManager) {
    {
        CString a("x", 1, &m_foreign);
        CString b(a);
        EXPECT_EQ(m_foreign.GetAllocationCount(), 1);
    }
    EXPECT_EQ(m_foreign.GetFreeCount(), 1);
    EXPECT_EQ(m_foreign.GetLiveCount(), 0);
}

TEST_F(CStringTest, WritesFromTheStringsOwnCharacters) {
    CString s("0123456789");
    s.SetString(s.GetString() + 4, 3);
    EXPECT_STREQ(s, "456");

    CString t("ab");
    for (int i = 0; i < 10; ++i)
        t += t;  // the buffer moves while the source lies inside it
    EXPECT_EQ(t.GetLength(), 2 << 10);
    EXPECT_EQ(std::string(t.GetString(), 4), "abab");

    CString shared("shared");
    CString copy(shared);
    copy.SetString(copy.GetString() + 3, 3);
    EXPECT_STREQ(copy, "red");
    EXPECT_STREQ(shared, "shared");
}

TEST_F(CStringTest, GetBufferGivesAnOwnBufferOfTheAskedSize) {
    CString a("abc");
    CString b(a);
    char* p = b.GetBuffer(300);
    EXPECT_NE(b.GetData(), a.GetData());
    EXPECT_GE(b.GetData()->nAllocLength, 300);
    std::memcpy(p, "xyz!", 5);
    b.ReleaseBuffer();
    EXPECT_STREQ(b, "xyz!");
    EXPECT_EQ(b.GetLength(), 4);
    EXPECT_STREQ(a, "abc");
}

TEST_F(CStringTest, EmptyGoesBackToTheNilString) {
    CString nil;
    CString s("text");
    s.Empty();
    EXPECT_EQ(s.GetData(), nil.GetData());
    EXPECT_TRUE(s.IsEmpty());
    s = "";
    EXPECT_EQ(s.GetData(), nil.GetData());
}

TEST_F(CStringTest, LongStringsGrow) {
    CString s;
    for (int i = 0; i < 5000; ++i)
        s += 'x';
    EXPECT_EQ(s.GetLength(), 5000);
    EXPECT_EQ(s.GetString()[5000], '\0');
}

TEST(CHeapStringMgrTest, RefusesImpossibleSizes) {
    CHeapStringMgr manager;
    EXPECT_EQ(manager.Allocate(-1, 1), nullptr);
    EXPECT_EQ(manager.Allocate(0x7FFFFFFF, 1), nullptr);
    EXPECT_EQ(manager.GetAllocationCount(), 0);

    CStringData* pData = manager.Allocate(3, 1);
    ASSERT_NE(pData, nullptr);
    EXPECT_EQ(pData->nRefs, 1);
    EXPECT_EQ(pData->nDataLength, 0);
    EXPECT_EQ(pData->nAllocLength, 3);
    pData = manager.Reallocate(pData, 100, 1);
    ASSERT_NE(pData, nullptr);
    EXPECT_EQ(pData->nAllocLength, 100);
    manager.Free(pData);
    EXPECT_EQ(manager.GetLiveCount(), 0);
}

TEST(CHeapStringMgrTest, AStrayReleaseOfTheNilStringFreesNothing) {
    CHeapStringMgr manager;
    CStringData* pNil = manager.GetNilString();
    pNil->Release();
    pNil->Release();  // one more than was taken, as a careless module might
    pNil->Release();
    EXPECT_EQ(manager.GetFreeCount(), 0);
    EXPECT_GT(manager.GetNilString()->nRefs, 1);
}

}  // namespace
