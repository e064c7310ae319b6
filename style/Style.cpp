#include "style/Style.h"

#include "style/MemDC.h"

namespace {

// Windows dress themselves in a few stacks each.
constexpr size_t kReservedStacks = 5;

}  // namespace

Style::Style() { stacks.reserve(kReservedStacks); }

void Style::AddStack(const LayerStack& stack) { stacks.push_back(stack); }

void Style::Paint(CDC* pDC, int left, int top, int right, int bottom) {
    MemDC surface(pDC, CRect(left, top, right, bottom), TRUE, FALSE);
    {
        // The graphics must be gone before the surface copies itself back.
        gdip::Graphics graphics(surface.m_hDC);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintClearTypeGridFit);
        for (LayerStack& stack : stacks) {
            if (stack.cached) {
                graphics.Flush();
                surface.BitBlt(stack.x, stack.y, stack.width, stack.height,
                               stack.cacheDC ? stack.cacheDC->m_hDC : nullptr, 0, 0, SRCCOPY);
            } else {
                stack.Render(&graphics, &surface);
            }
        }
    }
}

void Style::MoveTo(int x, int y) {
    for (LayerStack& stack : stacks) {
        const int dx = x - stack.x;
        const int dy = y - stack.y;
        stack.x = x;
        stack.y = y;
        for (Layer& layer : stack.layers) {
            layer.x += dx;
            layer.y += dy;
        }
    }
}

void Style::Invalidate() {
    for (LayerStack& stack : stacks)
        stack.cached = 0;
}
