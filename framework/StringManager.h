#pragma once
// Storage of the reference-counted 8-bit string. The header, the manager's
// virtual table and the reference counting are shared with companion modules
// built by other compilers, so their layout and calling forms are fixed:
// 16-byte header in front of the characters, manager operations in the order
// below, each called with `this` in ECX and popped by the callee.

#include <windows.h>

class IStringMgr;

struct CStringData {
    IStringMgr* pStringMgr;  // manager that owns this buffer
    int nDataLength;         // characters in use, without the terminator
    int nAllocLength;        // room for characters, without the terminator
    long nRefs;              // strings sharing the buffer; negative while locked

    char* data() { return reinterpret_cast<char*>(this + 1); }
    const char* data() const { return reinterpret_cast<const char*>(this + 1); }

    bool IsLocked() const { return nRefs < 0; }
    bool IsShared() const { return nRefs > 1; }

    void AddRef() { InterlockedIncrement(&nRefs); }
    // Drops one reference; the last one (or the only one of a locked
    // buffer) hands the buffer back to its manager.
    void Release();

    static CStringData* FromChars(const char* psz) {
        return const_cast<CStringData*>(reinterpret_cast<const CStringData*>(psz)) - 1;
    }
};
static_assert(sizeof(CStringData) == 16, "the header is part of the module boundary");

// Allocator behind a family of strings. Two strings may share a buffer only
// when Clone() of the buffer's manager names the same manager.
class IStringMgr {
public:
    // A buffer with room for nChars characters plus the terminator,
    // reference count 1 and length 0; null when out of memory.
    virtual CStringData* Allocate(int nChars, int nCharSize) = 0;
    virtual void Free(CStringData* pData) = 0;
    // Grows or shrinks pData, keeping its characters and header fields.
    virtual CStringData* Reallocate(CStringData* pData, int nChars, int nCharSize) = 0;
    // The shared empty string, with one more reference for the caller.
    virtual CStringData* GetNilString() = 0;
    // The manager that a copy of one of this manager's strings should use.
    virtual IStringMgr* Clone() = 0;

protected:
    ~IStringMgr() = default;
};

// Manager over the process heap; every module that builds with the framework
// has its own instance. Counts its buffers so that leaks can be seen.
class CHeapStringMgr final : public IStringMgr {
public:
    CHeapStringMgr();
    CHeapStringMgr(const CHeapStringMgr&) = delete;
    CHeapStringMgr& operator=(const CHeapStringMgr&) = delete;

    CStringData* Allocate(int nChars, int nCharSize) override;
    void Free(CStringData* pData) override;
    CStringData* Reallocate(CStringData* pData, int nChars, int nCharSize) override;
    CStringData* GetNilString() override;
    IStringMgr* Clone() override { return this; }

    long GetAllocationCount() const { return m_nAllocations; }
    long GetFreeCount() const { return m_nFrees; }
    long GetLiveCount() const { return m_nAllocations - m_nFrees; }

    // The manager of this module's strings.
    static CHeapStringMgr& Default();

private:
    struct NilString {
        CStringData header;
        char chars[4];
    };
    NilString m_nil;
    long m_nAllocations = 0;
    long m_nFrees = 0;
};
