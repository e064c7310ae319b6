// The blurred shadow of a region made by an earlier layer. Draws nothing
// until its drawing is built.

#include "style/LayerStack.h"

void LayerStack::DrawShadow() {}
