#pragma once
// Objects that receive messages and commands through a static message map per
// class, chained to the base class's map. A class lists its handlers in its
// GetMessageMap(), one line each:
//
//   const MessageMap* CMyDialog::GetMessageMap() const {
//       static const MessageEntry entries[] = {
//           OnMessage<&CMyDialog::OnNcHitTest>(WM_NCHITTEST),
//           OnCommand<&CMyDialog::OnStart>(IDC_START),
//       };
//       static const MessageMap map{CDialog::GetMessageMap(), entries};
//       return &map;
//   }
//
// Message handlers take the raw parameters and return the message's result;
// command handlers take nothing.

#include <windows.h>

#include <cstddef>

class CCmdTarget;

using MessageHandler = LRESULT (*)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam);

struct MessageEntry {
    UINT nMessage;  // WM_COMMAND for command entries
    UINT nId;       // command id of a command entry, else 0
    MessageHandler pfnHandler;
};

struct MessageMap {
    template <std::size_t N>
    MessageMap(const MessageMap* base, const MessageEntry (&list)[N]) : pBase(base), pEntries(list), nEntries(N) {}
    MessageMap(const MessageMap* base) : pBase(base), pEntries(nullptr), nEntries(0) {}  // NOLINT

    // The entry for a message (or command id), searched from this class up.
    const MessageEntry* Find(UINT nMessage, UINT nId) const;

    const MessageMap* pBase;
    const MessageEntry* pEntries;
    std::size_t nEntries;
};

namespace message_map_detail {
template <class>
struct ClassOf;
template <class T, class R, class... Args>
struct ClassOf<R (T::*)(Args...)> {
    using type = T;
};
}  // namespace message_map_detail

template <auto Handler>
MessageEntry OnMessage(UINT nMessage) {
    using T = typename message_map_detail::ClassOf<decltype(Handler)>::type;
    return {nMessage, 0, [](CCmdTarget* p, WPARAM w, LPARAM l) -> LRESULT {
                return (static_cast<T*>(p)->*Handler)(w, l);
            }};
}

template <auto Handler>
MessageEntry OnCommand(UINT nId) {
    using T = typename message_map_detail::ClassOf<decltype(Handler)>::type;
    return {WM_COMMAND, nId, [](CCmdTarget* p, WPARAM, LPARAM) -> LRESULT {
                (static_cast<T*>(p)->*Handler)();
                return 0;
            }};
}

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    virtual const MessageMap* GetMessageMap() const;

    // Runs the handler of command nId if this object's map has one.
    bool OnCmdMsg(UINT nId);
};
