// Layers that write a stack's text items. Both draw nothing until their
// drawing is built.

#include "style/LayerStack.h"

void LayerStack::DrawTextItem() {}

void LayerStack::DrawHaloText() {}
