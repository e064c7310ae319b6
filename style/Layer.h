#pragma once
// One drawing operation of a layer stack. Zero-filled it is a transparent
// solid fill over the whole stack: it draws nothing until its fields are set.

#include <cstdint>

#include "style/GdiPlus.h"

enum LayerKind {
    LK_SOLID = 0,
    LK_RADIAL = 1,
    LK_SPLIT = 2,
    LK_GRADIENT3 = 3,
    LK_STRIPES = 4,
    LK_IMAGE = 5,
    LK_TEXT = 6,
    LK_HALO_TEXT = 7,
    LK_SHADOW = 8,
    LK_SMOOTHING = 9,
    LK_ANTIALIAS = 10,
    LK_RECOLOR = 11,
    LK_BAND_TOP = 12,
    LK_BAND_LEFT = 13,
    LK_BAND_RIGHT = 14,
    LK_BAND_BOTTOM = 15,
    LK_MITRE_TOP = 16,
    LK_MITRE_LEFT = 17,
    LK_MITRE_RIGHT = 18,
    LK_MITRE_BOTTOM = 19,
    LK_MAKE_REGION = 20,
    LK_COMBINE_REGION = 21,
    LK_DERIVE_REGION = 22,
    LK_CLIP_REGION = 23,
    LK_CLIP_FRAME = 24,
    LK_COUNT
};

// A value: copies take every field but the region, which stays with its
// owner (a copy starts with none), so no two layers ever delete one region.
class Layer {
public:
    Layer() = default;
    Layer(const Layer& other) { CopyFields(other); }
    Layer(Layer&& other) noexcept {
        CopyFields(other);
        region = other.region;
        other.region = nullptr;
    }
    Layer& operator=(const Layer& other) {
        if (this != &other) {
            CopyFields(other);
            ReplaceRegion(nullptr);
        }
        return *this;
    }
    Layer& operator=(Layer&& other) noexcept {
        if (this != &other) {
            CopyFields(other);
            ReplaceRegion(other.region);
            other.region = nullptr;
        }
        return *this;
    }
    ~Layer() { delete region; }

    // Takes ownership of newRegion, releasing the region held so far.
    void ReplaceRegion(gdip::Region* newRegion) {
        if (newRegion != region)
            delete region;
        region = newRegion;
    }

    int32_t x = 0;  // in the stack's coordinates, not relative to the stack
    int32_t y = 0;
    int32_t width = 0;   // width and height both 0: the stack's rectangle
    int32_t height = 0;
    uint32_t color1 = 0;  // ARGB
    uint32_t color2 = 0;
    uint32_t color3 = 0;
    int32_t kind = LK_SOLID;
    int32_t shape = 0;    // 0: the stack's frame shape
    int32_t param = 0;    // meaning by kind
    float stop1 = 0.0f;
    float stop2 = 0.0f;
    float stop3 = 0.0f;
    int32_t ref1 = 0;     // index of a layer of the same stack whose region is used
    int32_t ref2 = 0;
    gdip::Region* region = nullptr;  // owned; made by the region kinds

private:
    void CopyFields(const Layer& other) {
        x = other.x;
        y = other.y;
        width = other.width;
        height = other.height;
        color1 = other.color1;
        color2 = other.color2;
        color3 = other.color3;
        kind = other.kind;
        shape = other.shape;
        param = other.param;
        stop1 = other.stop1;
        stop2 = other.stop2;
        stop3 = other.stop3;
        ref1 = other.ref1;
        ref2 = other.ref2;
    }
};

static_assert(sizeof(void*) != 4 || sizeof(Layer) == 16 * 4, "a layer is sixteen 32-bit fields");
