#pragma once
// One rectangle of a window: an ordered list of layers, the text and image
// items they name, and three borders. Rendered once with GDI+, then kept as
// pixels in a cache that later paints copy back until it is invalidated.
//
// Stacks are built as locals and filled through the indices AddLayer
// returns (the lists move when they grow), then copied into a Style.

#include <memory>
#include <vector>

#include "framework/DC.h"
#include "framework/GdiObject.h"
#include "style/Border.h"
#include "style/GdiPlus.h"
#include "style/ImageItem.h"
#include "style/Layer.h"
#include "style/TextItem.h"

class MemDC;

class LayerStack {
public:
    // Rectangle 0 and frame shapes 0: the owner sets both before use.
    LayerStack();
    // Rectangular frames.
    LayerStack(int x, int y, int width, int height);
    // The copy starts uncached and holds no region or loaded image.
    LayerStack(const LayerStack& other);
    LayerStack(LayerStack&&) noexcept = default;
    LayerStack& operator=(const LayerStack& other);
    LayerStack& operator=(LayerStack&&) noexcept = default;
    virtual ~LayerStack() = default;

    // Copies of other's layers (without regions), texts and images (without
    // loaded images), appended in order; references are taken unchanged.
    void Append(const LayerStack& other);
    // first followed by second, second's references shifted to keep naming
    // the same layers.
    static LayerStack Concatenate(const LayerStack& first, const LayerStack& second);
    // Appends a zero-filled layer and returns its index.
    int AddLayer();

    // Draws the stack onto target and caches the pixels. Called by Style::Paint.
    void Render(gdip::Graphics* pGraphics, MemDC* pTarget);
    // Runs the operation of current->kind; kinds outside the table do nothing.
    void DrawLayer();

    // Entries named by index, or null when the index names none.
    gdip::Region* ReferencedRegion(int index) const;
    TextItem* TextAt(int index);
    ImageItem* ImageAt(int index);

    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Border borders[3];  // outermost first; borders[0] gives the frame shape
    int cached = 0;     // 1 while cacheDC holds the stack's pixels
    std::vector<Layer> layers;
    std::vector<TextItem> texts;
    std::vector<ImageItem> images;
    gdip::Graphics* graphics = nullptr;  // these three only while rendering
    MemDC* target = nullptr;
    Layer* current = nullptr;

    // The composed pixels of the last rendering, width x height.
    struct CacheDC : CDC {
        CacheDC(HDC hCompatible, int width, int height);
        ~CacheDC() override;
        CBitmap bitmap;
        HGDIOBJ previousBitmap = nullptr;
    };
    std::unique_ptr<CacheDC> cacheDC;

    // One operation per layer kind; each draws current on graphics.
    void DrawSolid();
    void DrawRadial();
    void DrawSplit();
    void DrawGradient3();
    void DrawStripes();
    void DrawImageItem();
    void DrawTextItem();
    void DrawHaloText();
    void DrawShadow();
    void SetSmoothing();
    void SetAntialias();
    void DrawRecolor();
    void DrawBand();  // kinds 12 to 19, told apart by current->kind
    void MakeRegion();
    void CombineRegion();
    void DeriveRegion();
    void ClipRegion();
    void ClipFrame();

    // Shared steps of the operations.
    void DrawBorders();
    // Adds current's shape over current's rectangle to path.
    void AddShapePath(gdip::Path& path);
    // Combines source into destination by current->param; null regions do nothing.
    void CombineRegions(gdip::Region* destination, const gdip::Region* source);
    // Fills current's rectangle with brush in the frame shape.
    void FillShape(const gdip::Brush& brush);

private:
    void TakeFrame(const LayerStack& other);
};
