#pragma once
// The framework's reference-counted 8-bit string (ANSI code page). The object
// is one pointer to the characters; copies share a buffer while its manager
// allows and it is not locked, and a write gives the writer a buffer of its own.

#include "framework/StringManager.h"

class CString {
public:
    CString();
    explicit CString(IStringMgr* pStringMgr);
    CString(const char* psz);  // NOLINT: converts like a literal
    CString(const char* pch, int nLength, IStringMgr* pStringMgr = nullptr);
    CString(const CString& src);
    ~CString();

    CString& operator=(const CString& src);
    CString& operator=(const char* psz);
    CString& operator+=(const CString& src);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);
    friend CString operator+(const CString& a, const char* b);
    friend CString operator+(const CString& a, const CString& b);

    int GetLength() const { return GetData()->nDataLength; }
    bool IsEmpty() const { return GetLength() == 0; }
    const char* GetString() const { return m_pszData; }
    operator const char*() const { return m_pszData; }  // NOLINT
    IStringMgr* GetManager() const { return GetData()->pStringMgr; }
    CStringData* GetData() const { return CStringData::FromChars(m_pszData); }

    void Empty();
    void SetString(const char* pch, int nLength);
    void Append(const char* pch, int nLength);

    // Direct access to the characters: the buffer becomes this string's own.
    char* GetBuffer(int nMinLength);
    void ReleaseBuffer(int nNewLength = -1);
    // A locked buffer is never shared: copies made meanwhile get their own.
    char* LockBuffer();
    void UnlockBuffer();

    // Loads string resource nId of the program's module; false when missing.
    bool LoadString(UINT nId);

    bool operator==(const char* psz) const;
    bool operator!=(const char* psz) const { return !(*this == psz); }

private:
    void Attach(CStringData* pData) { m_pszData = pData->data(); }
    bool Overlaps(const char* pch) const;
    char* PrepareWrite(int nLength);
    void Reallocate(int nLength);
    static CStringData* CloneData(CStringData* pData);

    char* m_pszData;
};
static_assert(sizeof(CString) == 4, "the string is one pointer in records shared with modules");
