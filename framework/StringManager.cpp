#include "framework/StringManager.h"

#include <climits>
#include <cstddef>

namespace {

// Bytes for a header and room for nChars characters plus the terminator;
// 0 when the request is negative or does not fit in an int.
SIZE_T BufferBytes(int nChars, int nCharSize) {
    if (nChars < 0 || nCharSize <= 0)
        return 0;
    const unsigned long long bytes =
        sizeof(CStringData) + (static_cast<unsigned long long>(nChars) + 1) * nCharSize;
    return bytes > INT_MAX ? 0 : static_cast<SIZE_T>(bytes);
}

}  // namespace

void CStringData::Release() {
    if (InterlockedDecrement(&nRefs) <= 0)
        pStringMgr->Free(this);
}

CHeapStringMgr::CHeapStringMgr() : m_nil{{this, 0, 0, 2}, {}} {}

CHeapStringMgr& CHeapStringMgr::Default() {
    static CHeapStringMgr manager;
    return manager;
}

CStringData* CHeapStringMgr::Allocate(int nChars, int nCharSize) {
    const SIZE_T bytes = BufferBytes(nChars, nCharSize);
    if (bytes == 0)
        return nullptr;
    auto* pData = static_cast<CStringData*>(HeapAlloc(GetProcessHeap(), 0, bytes));
    if (!pData)
        return nullptr;
    InterlockedIncrement(&m_nAllocations);
    pData->pStringMgr = this;
    pData->nDataLength = 0;
    pData->nAllocLength = nChars;
    pData->nRefs = 1;
    pData->data()[0] = '\0';
    return pData;
}

void CHeapStringMgr::Free(CStringData* pData) {
    // The shared empty string is never freed; a stray release of it by a
    // careless module only costs it a count.
    if (!pData || pData == &m_nil.header) {
        m_nil.header.nRefs = 2;
        return;
    }
    HeapFree(GetProcessHeap(), 0, pData);
    InterlockedIncrement(&m_nFrees);
}

CStringData* CHeapStringMgr::Reallocate(CStringData* pData, int nChars, int nCharSize) {
    const SIZE_T bytes = BufferBytes(nChars, nCharSize);
    if (bytes == 0 || pData == &m_nil.header)
        return nullptr;
    auto* pNew = static_cast<CStringData*>(HeapReAlloc(GetProcessHeap(), 0, pData, bytes));
    if (!pNew)
        return nullptr;
    pNew->nAllocLength = nChars;
    return pNew;
}

CStringData* CHeapStringMgr::GetNilString() {
    m_nil.header.AddRef();
    return &m_nil.header;
}
