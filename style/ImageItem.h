#pragma once
// A picture that image layers name by index: which resource, how it is fitted
// and coloured, and the image loaded at its last draw.

#include <cstdint>
#include <memory>

#include "style/GResource.h"

enum ImageSizing {
    SIZING_CROP = 1,  // unscaled, cut to the stack; any other value shrinks to fit
};

enum ImageEffect {
    EFFECT_NONE = 0,
    EFFECT_BRIGHTEN = 1,
    EFFECT_GREYSCALE = 2,
};

// A value whose loaded image is never shared: a copy starts without one.
struct ImageItem {
    ImageItem() = default;
    ImageItem(const ImageItem& other) { CopyFields(other); }
    ImageItem(ImageItem&&) noexcept = default;
    ImageItem& operator=(const ImageItem& other) {
        if (this != &other) {
            CopyFields(other);
            image.reset();
        }
        return *this;
    }
    ImageItem& operator=(ImageItem&&) noexcept = default;

    int32_t sizing = 0;
    int32_t effect = EFFECT_NONE;
    int32_t offsetX = 0;  // added to the stack's x
    int32_t offsetY = 0;
    int32_t sourceX = 0;  // corner of the part drawn, which reaches the image's far edges
    int32_t sourceY = 0;
    int32_t resourceId = 0;  // low 16 bits
    const char* resourceType = nullptr;  // not owned; "PNG"
    std::unique_ptr<GResource> image;

private:
    void CopyFields(const ImageItem& other) {
        sizing = other.sizing;
        effect = other.effect;
        offsetX = other.offsetX;
        offsetY = other.offsetY;
        sourceX = other.sourceX;
        sourceY = other.sourceY;
        resourceId = other.resourceId;
        resourceType = other.resourceType;
    }
};
