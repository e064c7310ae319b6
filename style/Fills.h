#pragma once
// Shared step of the gradient layers.

#include "style/GdiPlus.h"

// Replaces brush's colours by three colours at three positions along it.
void SetThreeColorBlend(gdip::LineBrush& brush, const gdip::ARGB colors[3], const gdip::REAL positions[3]);
