#pragma once
// A text that text layers name by index: font, offset and the UTF-16 text.

#include <cstdint>
#include <string>

struct TextItem {
    wchar_t face[32] = {};  // font family name, null-terminated
    float dx = 0.0f;        // offset from the layer's left edge
    float dy = 0.0f;        // offset from the layer's top edge
    int32_t align = 0;      // 0 near, 1 centre, 2 far, both directions
    int32_t size = 0;       // em size in pixels
    int32_t style = 0;      // font style bits: 1 bold, 2 italic, 4 underline, 8 strikeout
    std::wstring text;      // drawn up to its first null code unit
};

static_assert(sizeof(wchar_t) == 2, "text items hold UTF-16");
