// graphics/image_ops.hpp — the picture operations of the AutoImage language.
#pragma once

#include "graphics/image.hpp"

namespace graphics {

// Row y exchanged with row Height-1-y (AutoImage's FlipImageHorizontal), colour and alpha.
void FlipRows(TImage& image);
// Column x exchanged with column Width-1-x (AutoImage's FlipImageVertical).
void FlipColumns(TImage& image);
// Shifts every pixel's hue, saturation and lightness on the 0..240 scale; alpha untouched.
void ChangeHue(TImage& image, int hue, int saturation, int lightness);
// Rotates about (centerX, centerY) by whole degrees, sampling bilinearly; pixels that come
// from outside the picture are black and clear (a picture without alpha gains alpha then).
TImage RotateImage(const TImage& image, int centerX, int centerY, int angleDegrees);
// Resizes to width × height: bilinear when neither side shrinks, else weighted means of the
// source pixels falling on each result pixel. Sizes must be above 0.
TImage ScaleImage(const TImage& image, int width, int height);
// The pixels of columns Left..Right-1 and rows Top..Bottom-1 (Right and Bottom exclusive
// here); the result always has alpha, and parts outside the picture are black and clear.
TImage CropImage(const TImage& image, const TRect& box);

}  // namespace graphics
