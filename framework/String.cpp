#include "framework/String.h"

#include <cstring>
#include <new>
#include <string>

namespace {

int LengthOf(const char* psz) { return psz ? static_cast<int>(std::strlen(psz)) : 0; }

// Allocation failure of a string is the end of the program, as for any
// allocation the standard library makes.
CStringData* Checked(CStringData* pData) {
    if (!pData)
        throw std::bad_alloc();
    return pData;
}

int GrownLength(int nOld, int nWanted) {
    const int nGrown = nOld + nOld / 2;
    return nWanted > nGrown ? nWanted : nGrown;
}

}  // namespace

CStringData* CString::CloneData(CStringData* pData) {
    IStringMgr* pNewMgr = pData->pStringMgr->Clone();
    if (!pData->IsLocked() && pNewMgr == pData->pStringMgr) {
        pData->AddRef();
        return pData;
    }
    CStringData* pNew = Checked(pNewMgr->Allocate(pData->nDataLength, sizeof(char)));
    std::memcpy(pNew->data(), pData->data(), pData->nDataLength + 1);
    pNew->nDataLength = pData->nDataLength;
    return pNew;
}

CString::CString() : CString(&CHeapStringMgr::Default()) {}

CString::CString(IStringMgr* pStringMgr) { Attach(pStringMgr->GetNilString()); }

CString::CString(const char* psz) : CString() { SetString(psz, LengthOf(psz)); }

CString::CString(const char* pch, int nLength, IStringMgr* pStringMgr)
    : CString(pStringMgr ? pStringMgr : &CHeapStringMgr::Default()) {
    SetString(pch, nLength);
}

CString::CString(const CString& src) { Attach(CloneData(src.GetData())); }

CString::~CString() { GetData()->Release(); }

CString& CString::operator=(const CString& src) {
    CStringData* pSrc = src.GetData();
    CStringData* pOld = GetData();
    if (pSrc == pOld)
        return *this;
    if (pOld->IsLocked() || pSrc->pStringMgr != pOld->pStringMgr) {
        // Keep our own buffer (and our manager); take only the characters.
        SetString(src.m_pszData, pSrc->nDataLength);
    } else {
        CStringData* pNew = CloneData(pSrc);
        pOld->Release();
        Attach(pNew);
    }
    return *this;
}

CString& CString::operator=(const char* psz) {
    SetString(psz, LengthOf(psz));
    return *this;
}

CString& CString::operator+=(const CString& src) {
    Append(src.m_pszData, src.GetLength());
    return *this;
}

CString& CString::operator+=(const char* psz) {
    Append(psz, LengthOf(psz));
    return *this;
}

CString& CString::operator+=(char ch) {
    Append(&ch, 1);
    return *this;
}

CString operator+(const CString& a, const char* b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}

void CString::Empty() {
    CStringData* pOld = GetData();
    if (pOld->IsLocked()) {
        pOld->nDataLength = 0;
        m_pszData[0] = '\0';
        return;
    }
    CStringData* pNil = pOld->pStringMgr->GetNilString();
    pOld->Release();
    Attach(pNil);
}

void CString::SetString(const char* pch, int nLength) {
    if (nLength <= 0 || !pch) {
        Empty();
        return;
    }
    if (Overlaps(pch)) {  // our buffer may move under the source
        const std::string source(pch, nLength);
        SetString(source.data(), nLength);
        return;
    }
    std::memcpy(PrepareWrite(nLength), pch, nLength);
    ReleaseBuffer(nLength);
}

void CString::Append(const char* pch, int nLength) {
    if (nLength <= 0 || !pch)
        return;
    if (Overlaps(pch)) {
        const std::string source(pch, nLength);
        Append(source.data(), nLength);
        return;
    }
    const int nOld = GetLength();
    std::memcpy(PrepareWrite(nOld + nLength) + nOld, pch, nLength);
    ReleaseBuffer(nOld + nLength);
}

bool CString::Overlaps(const char* pch) const {
    const CStringData* pData = GetData();
    return pch >= pData->data() && pch <= pData->data() + pData->nAllocLength;
}

// Makes the buffer this string's own, with room for nLength characters,
// keeping the characters it had. The shared empty string counts as shared.
char* CString::PrepareWrite(int nLength) {
    CStringData* pOld = GetData();
    if (pOld->IsShared()) {
        CStringData* pNew = Checked(pOld->pStringMgr->Clone()->Allocate(nLength, sizeof(char)));
        const int nKeep = pOld->nDataLength < nLength ? pOld->nDataLength : nLength;
        std::memcpy(pNew->data(), pOld->data(), nKeep);
        pNew->data()[nKeep] = '\0';
        pNew->nDataLength = nKeep;
        pOld->Release();
        Attach(pNew);
    } else if (pOld->nAllocLength < nLength) {
        Reallocate(GrownLength(pOld->nAllocLength, nLength));
    }
    return m_pszData;
}

void CString::Reallocate(int nLength) {
    CStringData* pOld = GetData();
    Attach(Checked(pOld->pStringMgr->Reallocate(pOld, nLength, sizeof(char))));
}

char* CString::GetBuffer(int nMinLength) {
    return PrepareWrite(nMinLength > GetLength() ? nMinLength : GetLength());
}

void CString::ReleaseBuffer(int nNewLength) {
    CStringData* pData = GetData();
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strnlen(m_pszData, pData->nAllocLength));
    if (nNewLength > pData->nAllocLength)
        nNewLength = pData->nAllocLength;
    pData->nDataLength = nNewLength;
    m_pszData[nNewLength] = '\0';
}

char* CString::LockBuffer() {
    char* psz = PrepareWrite(GetLength());
    GetData()->nRefs = -1;
    return psz;
}

void CString::UnlockBuffer() {
    CStringData* pData = GetData();
    if (pData->IsLocked())
        pData->nRefs = 1;
}

bool CString::LoadString(UINT nId) {
    // A string resource holds at most 4096 characters.
    char szBuffer[4097];
    const int nLength = ::LoadStringA(::GetModuleHandleA(nullptr), nId, szBuffer, sizeof szBuffer);
    if (nLength <= 0)
        return false;
    SetString(szBuffer, nLength);
    return true;
}

bool CString::operator==(const char* psz) const {
    return std::strcmp(m_pszData, psz ? psz : "") == 0;
}
