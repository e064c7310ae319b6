// Layers that put bitmaps on a stack: resource pictures and the recolouring
// of what lies underneath. Both draw nothing until their drawing is built.

#include "style/LayerStack.h"

void LayerStack::DrawImageItem() {}

void LayerStack::DrawRecolor() {}
