// The region kinds: layers that make regions, combine them, and clip the
// layers after them to one. A region lives in the layer that made it, in
// target coordinates, until the stack renders again or is destroyed.
//
// A layer that names a layer outside the stack, or one that has made no
// region yet, draws nothing: the looks are built by hand and a wrong index
// must not take the window down with it.

#include "style/LayerStack.h"

namespace {

bool IsCombineMode(int mode) {
    return mode >= Gdiplus::CombineModeIntersect && mode <= Gdiplus::CombineModeComplement;
}

}  // namespace

void LayerStack::AddShapePath(gdip::Path& path) {
    const Layer& layer = *current;
    switch (layer.shape) {
    case SHAPE_RECT:
        path.AddPathRectangleI(layer.x, layer.y, layer.width, layer.height);
        break;
    case SHAPE_ROUNDRECT:
        AddRoundRect(borders[0], path, layer.x, layer.y, layer.width, layer.height);
        break;
    case SHAPE_ELLIPSE:
        path.AddPathEllipseI(layer.x, layer.y, layer.width, layer.height);
        break;
    default:
        // No figure: the region comes out empty.
        break;
    }
}

void LayerStack::CombineRegions(gdip::Region* destination, const gdip::Region* source) {
    // Replace (0) would throw the destination away; it is left alone like
    // every value that is not a combining mode.
    if (!destination || !source || !IsCombineMode(current->param))
        return;
    destination->CombineRegionRegion(*source, static_cast<Gdiplus::CombineMode>(current->param));
}

void LayerStack::MakeRegion() {
    gdip::Path path;
    AddShapePath(path);
    gdip::Region made(path);
    current->ReplaceRegion(made.CloneRegion());
}

void LayerStack::CombineRegion() {
    gdip::Region* destination = ReferencedRegion(current->ref1);
    const gdip::Region* source = ReferencedRegion(current->ref2);
    CombineRegions(destination, source);
}

void LayerStack::DeriveRegion() {
    const gdip::Region* first = ReferencedRegion(current->ref1);
    const gdip::Region* second = ReferencedRegion(current->ref2);
    // Without both operands no region is derived, and none from an earlier
    // rendering is kept to stand in for it.
    if (!first || !second) {
        current->ReplaceRegion(nullptr);
        return;
    }
    // Copied before the old region goes: ref1 may name this very layer.
    current->ReplaceRegion(first->CloneRegion());
    CombineRegions(current->region, ReferencedRegion(current->ref2));
}

void LayerStack::ClipRegion() {
    const gdip::Region* region = ReferencedRegion(current->ref1);
    if (!region)
        return;
    graphics->SetClipRegion(*region, Gdiplus::CombineModeReplace);
}

void LayerStack::ClipFrame() { ClipToShape(borders[0], *graphics, Gdiplus::CombineModeReplace, x, y, width, height); }
