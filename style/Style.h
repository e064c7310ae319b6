#pragma once
// The unit of look: layer stacks painted in order onto a device context,
// each rendered once and then copied back from its cache until Invalidate.

#include <vector>

#include "framework/DC.h"
#include "style/LayerStack.h"

class Style {
public:
    Style();
    Style(const Style&) = default;
    Style(Style&&) noexcept = default;
    Style& operator=(const Style&) = default;
    Style& operator=(Style&&) noexcept = default;
    virtual ~Style() = default;

    void AddStack(const LayerStack& stack);
    // Composes every stack onto pDC within (left, top)-(right, bottom),
    // right and bottom exclusive, in pDC's own coordinates.
    void Paint(CDC* pDC, int left, int top, int right, int bottom);
    // Moves every stack's corner to (x, y), its layers along with it.
    void MoveTo(int x, int y);
    // The next Paint renders every stack anew.
    void Invalidate();

    std::vector<LayerStack> stacks;
};
