#include "framework/CmdTarget.h"

const MessageEntry* MessageMap::Find(UINT nMessage, UINT nId) const {
    for (const MessageMap* pMap = this; pMap; pMap = pMap->pBase)
        for (std::size_t i = 0; i < pMap->nEntries; ++i) {
            const MessageEntry& entry = pMap->pEntries[i];
            if (entry.nMessage == nMessage && entry.nId == nId)
                return &entry;
        }
    return nullptr;
}

const MessageMap* CCmdTarget::GetMessageMap() const {
    static const MessageMap map{nullptr};
    return &map;
}

bool CCmdTarget::OnCmdMsg(UINT nId) {
    const MessageEntry* pEntry = GetMessageMap()->Find(WM_COMMAND, nId);
    if (!pEntry)
        return false;
    pEntry->pfnHandler(this, MAKEWPARAM(nId, 0), 0);
    return true;
}
