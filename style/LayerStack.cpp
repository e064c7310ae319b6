#include "style/LayerStack.h"

#include "style/MemDC.h"

namespace {

// The whole vocabulary of layers, indexed by LayerKind; a reader looking for
// what a kind does starts here.
using KindOperation = void (LayerStack::*)();
constexpr KindOperation kKindOperations[LK_COUNT] = {
    &LayerStack::DrawSolid,      // LK_SOLID
    &LayerStack::DrawRadial,     // LK_RADIAL
    &LayerStack::DrawSplit,      // LK_SPLIT
    &LayerStack::DrawGradient3,  // LK_GRADIENT3
    &LayerStack::DrawStripes,    // LK_STRIPES
    &LayerStack::DrawImageItem,  // LK_IMAGE
    &LayerStack::DrawTextItem,   // LK_TEXT
    &LayerStack::DrawHaloText,   // LK_HALO_TEXT
    &LayerStack::DrawShadow,     // LK_SHADOW
    &LayerStack::SetSmoothing,   // LK_SMOOTHING
    &LayerStack::SetAntialias,   // LK_ANTIALIAS
    &LayerStack::DrawRecolor,    // LK_RECOLOR
    &LayerStack::DrawBand,       // LK_BAND_TOP
    &LayerStack::DrawBand,       // LK_BAND_LEFT
    &LayerStack::DrawBand,       // LK_BAND_RIGHT
    &LayerStack::DrawBand,       // LK_BAND_BOTTOM
    &LayerStack::DrawBand,       // LK_MITRE_TOP
    &LayerStack::DrawBand,       // LK_MITRE_LEFT
    &LayerStack::DrawBand,       // LK_MITRE_RIGHT
    &LayerStack::DrawBand,       // LK_MITRE_BOTTOM
    &LayerStack::MakeRegion,     // LK_MAKE_REGION
    &LayerStack::CombineRegion,  // LK_COMBINE_REGION
    &LayerStack::DeriveRegion,   // LK_DERIVE_REGION
    &LayerStack::ClipRegion,     // LK_CLIP_REGION
    &LayerStack::ClipFrame,      // LK_CLIP_FRAME
};

// Looks grow by a handful of layers and texts; spare the first reallocations.
constexpr size_t kReservedLayers = 10;
constexpr size_t kReservedTexts = 10;

template <class T>
T* EntryAt(std::vector<T>& list, int index) {
    return index >= 0 && static_cast<size_t>(index) < list.size() ? &list[index] : nullptr;
}

}  // namespace

LayerStack::LayerStack() {
    layers.reserve(kReservedLayers);
    texts.reserve(kReservedTexts);
}

LayerStack::LayerStack(int x, int y, int width, int height) : LayerStack() {
    this->x = x;
    this->y = y;
    this->width = width;
    this->height = height;
    for (Border& border : borders)
        border.shape = SHAPE_RECT;
}

LayerStack::LayerStack(const LayerStack& other) : LayerStack() {
    TakeFrame(other);
    Append(other);
}

LayerStack& LayerStack::operator=(const LayerStack& other) {
    if (this == &other)
        return *this;
    layers.clear();
    texts.clear();
    images.clear();
    cacheDC.reset();
    cached = 0;
    TakeFrame(other);
    Append(other);
    return *this;
}

void LayerStack::TakeFrame(const LayerStack& other) {
    x = other.x;
    y = other.y;
    width = other.width;
    height = other.height;
    for (int k = 0; k < 3; ++k)
        borders[k] = other.borders[k];
}

void LayerStack::Append(const LayerStack& other) {
    // The element copies drop regions and loaded images.
    layers.insert(layers.end(), other.layers.begin(), other.layers.end());
    texts.insert(texts.end(), other.texts.begin(), other.texts.end());
    images.insert(images.end(), other.images.begin(), other.images.end());
}

LayerStack LayerStack::Concatenate(const LayerStack& first, const LayerStack& second) {
    LayerStack joined(first);
    const size_t n = joined.layers.size();
    joined.Append(second);
    // Unused references move too: a shifted 0 is as meaningless as a 0.
    for (size_t i = n; i < joined.layers.size(); ++i) {
        joined.layers[i].ref1 += static_cast<int>(n);
        joined.layers[i].ref2 += static_cast<int>(n);
    }
    return joined;
}

int LayerStack::AddLayer() {
    layers.emplace_back();
    return static_cast<int>(layers.size()) - 1;
}

gdip::Region* LayerStack::ReferencedRegion(int index) const {
    return index >= 0 && static_cast<size_t>(index) < layers.size() ? layers[index].region : nullptr;
}

TextItem* LayerStack::TextAt(int index) { return EntryAt(texts, index); }

ImageItem* LayerStack::ImageAt(int index) { return EntryAt(images, index); }

void LayerStack::Render(gdip::Graphics* pGraphics, MemDC* pTarget) {
    graphics = pGraphics;
    target = pTarget;

    ClipToShape(borders[0], *graphics, Gdiplus::CombineModeReplace, x, y, width, height);
    for (Layer& layer : layers) {
        current = &layer;
        // Written for good, so that MoveTo later carries the layer along.
        if (layer.width == 0 && layer.height == 0) {
            layer.x = x;
            layer.y = y;
            layer.width = width;
            layer.height = height;
        }
        if (layer.shape == 0)
            layer.shape = borders[0].shape;
        DrawLayer();
    }
    current = nullptr;
    graphics->ResetClip();
    DrawBorders();

    // GDI+ batches its drawing; the snapshot below must see all of it.
    graphics->Flush();
    cacheDC.reset();
    cacheDC = std::make_unique<CacheDC>(target->m_hDC, width, height);
    ::BitBlt(cacheDC->m_hDC, 0, 0, width, height, target->m_hDC, x, y, SRCCOPY);
    cached = 1;
}

void LayerStack::DrawLayer() {
    const int kind = current->kind;
    if (kind < 0 || kind >= LK_COUNT)
        return;
    (this->*kKindOperations[kind])();
}

LayerStack::CacheDC::CacheDC(HDC hCompatible, int width, int height) {
    CreateCompatibleDC(hCompatible);
    bitmap.CreateCompatibleBitmap(hCompatible, width, height);
    previousBitmap = SelectObject(bitmap.GetSafeHandle());
}

LayerStack::CacheDC::~CacheDC() {
    // The bitmap cannot be deleted while selected.
    if (previousBitmap)
        SelectObject(previousBitmap);
}
