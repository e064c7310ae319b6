#pragma once
// A menu handle. A menu made with CreatePopupMenu is owned and destroyed with
// the object; one wrapped from a handle (such as a window's system menu) is not.

#include <windows.h>

#include "framework/String.h"

class CMenu {
public:
    CMenu() = default;
    explicit CMenu(HMENU hMenu) : m_hMenu(hMenu) {}
    CMenu(CMenu&& other) noexcept : m_hMenu(other.m_hMenu), m_bOwned(other.m_bOwned) {
        other.m_hMenu = nullptr;
        other.m_bOwned = false;
    }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu() {
        if (m_bOwned && m_hMenu)
            ::DestroyMenu(m_hMenu);
    }

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }  // NOLINT

    BOOL CreatePopupMenu() {
        m_hMenu = ::CreatePopupMenu();
        m_bOwned = m_hMenu != nullptr;
        return m_bOwned;
    }
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIdNewItem = 0, const char* pszNewItem = nullptr) {
        return ::AppendMenuA(m_hMenu, nFlags, nIdNewItem, pszNewItem);
    }
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
    UINT GetMenuState(UINT nId, UINT nFlags) const { return ::GetMenuState(m_hMenu, nId, nFlags); }
    CString GetMenuString(UINT nIdItem, UINT nFlags) const;

private:
    bool m_bOwned = false;
};
