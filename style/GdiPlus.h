#pragma once
// Thin owners of the GDI+ objects the engine draws with. Each pairs the flat
// API's handle with the status of its last failed call; a failed call leaves
// the object usable and drawing goes on, so nobody has to check. Methods carry
// the names of the flat calls they wrap, without the "Gdip" prefix.
//
// Only the platform's C declarations are taken (types, enums, flat calls);
// the objects around them are ours.

#include <windows.h>
#include <objidl.h>

#include <cstddef>

struct IDirectDrawSurface7;

namespace Gdiplus {
typedef float REAL;
typedef SHORT INT16;
typedef WORD UINT16;
#include <gdiplus/gdiplusenums.h>
#include <gdiplus/gdiplustypes.h>
#include <gdiplus/gdiplusgpstubs.h>
#include <gdiplus/gdiplusimaging.h>
#include <gdiplus/gdiplusinit.h>
#include <gdiplus/gdiplusmem.h>
#include <gdiplus/gdiplusmetaheader.h>
#include <gdiplus/gdipluspixelformats.h>
#include <gdiplus/gdipluscolor.h>
#include <gdiplus/gdipluscolormatrix.h>
#include <gdiplus/gdiplusflat.h>
}  // namespace Gdiplus

namespace gdip {

using namespace Gdiplus::DllExports;
using Gdiplus::ARGB;
using Gdiplus::REAL;
using Status = Gdiplus::GpStatus;
using Gdiplus::Ok;
using Gdiplus::ColorMatrix;
using Rect = Gdiplus::GpRect;
using Point = Gdiplus::GpPoint;

// The common part: the handle, the last failure, no copies.
template <class Handle>
class Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    Handle* handle = nullptr;
    Status lastStatus = Ok;

protected:
    Status Record(Status status) {
        if (status != Ok)
            lastStatus = status;
        return status;
    }
};

class Graphics;
class Path;
class Region;
class Brush;
class Pen;
class ImageAttributes;
class Bitmap;

class Path : public Object<Gdiplus::GpPath> {
public:
    explicit Path(Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate) {
        Record(GdipCreatePath(fillMode, &handle));
    }
    ~Path() { if (handle) GdipDeletePath(handle); }

    Status ResetPath() { return Record(GdipResetPath(handle)); }
    Status AddPathRectangleI(int x, int y, int width, int height) {
        return Record(GdipAddPathRectangleI(handle, x, y, width, height));
    }
    Status AddPathEllipseI(int x, int y, int width, int height) {
        return Record(GdipAddPathEllipseI(handle, x, y, width, height));
    }
    Status AddPathArcI(int x, int y, int width, int height, REAL startAngle, REAL sweepAngle) {
        return Record(GdipAddPathArcI(handle, x, y, width, height, startAngle, sweepAngle));
    }
    Status AddPathPolygonI(const Point* points, int count) {
        return Record(GdipAddPathPolygonI(handle, points, count));
    }
    Status ClosePathFigure() { return Record(GdipClosePathFigure(handle)); }
};

class Region : public Object<Gdiplus::GpRegion> {
public:
    // The infinite region, as GDI+ makes it.
    Region() { Record(GdipCreateRegion(&handle)); }
    explicit Region(const Path& path) { Record(GdipCreateRegionPath(path.handle, &handle)); }
    explicit Region(HRGN hRgn) { Record(GdipCreateRegionHrgn(hRgn, &handle)); }
    ~Region() { if (handle) GdipDeleteRegion(handle); }

    // A new region owned by the caller; its handle is null when GDI+ could not copy.
    Region* CloneRegion() const {
        Region* clone = new Region(Adopt{});
        clone->Record(GdipCloneRegion(handle, &clone->handle));
        return clone;
    }
    Status CombineRegionRegion(const Region& source, Gdiplus::CombineMode mode) {
        return Record(GdipCombineRegionRegion(handle, source.handle, mode));
    }
    Status TranslateRegionI(int dx, int dy) { return Record(GdipTranslateRegionI(handle, dx, dy)); }
    Status IsVisibleRegionPointI(int x, int y, const Graphics* graphics, BOOL* result);
    Status IsEmptyRegion(const Graphics* graphics, BOOL* result);

private:
    struct Adopt {};
    explicit Region(Adopt) {}
};

class Brush : public Object<Gdiplus::GpBrush> {
public:
    ~Brush() { if (handle) GdipDeleteBrush(handle); }

protected:
    Brush() = default;
};

class SolidBrush : public Brush {
public:
    explicit SolidBrush(ARGB color) {
        Gdiplus::GpSolidFill* fill = nullptr;
        Record(GdipCreateSolidFill(color, &fill));
        handle = fill;
    }
};

class LineBrush : public Brush {
public:
    LineBrush(const Rect& rect, ARGB color1, ARGB color2, Gdiplus::LinearGradientMode mode,
              Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile) {
        Gdiplus::GpLineGradient* line = nullptr;
        Record(GdipCreateLineBrushFromRectI(&rect, color1, color2, mode, wrapMode, &line));
        handle = line;
    }

    Status SetLineWrapMode(Gdiplus::WrapMode wrapMode) { return Record(GdipSetLineWrapMode(Line(), wrapMode)); }
    Status SetLineBlend(const REAL* factors, const REAL* positions, int count) {
        return Record(GdipSetLineBlend(Line(), factors, positions, count));
    }
    Status SetLinePresetBlend(const ARGB* colors, const REAL* positions, int count) {
        return Record(GdipSetLinePresetBlend(Line(), colors, positions, count));
    }

private:
    Gdiplus::GpLineGradient* Line() const { return static_cast<Gdiplus::GpLineGradient*>(handle); }
};

class PathBrush : public Brush {
public:
    explicit PathBrush(const Path& path) {
        Gdiplus::GpPathGradient* gradient = nullptr;
        Record(GdipCreatePathGradientFromPath(path.handle, &gradient));
        handle = gradient;
    }

    Status SetPathGradientCenterColor(ARGB color) { return Record(GdipSetPathGradientCenterColor(Gradient(), color)); }
    // GDI+ may lower count to what it took.
    Status SetPathGradientSurroundColorsWithCount(const ARGB* colors, int* count) {
        return Record(GdipSetPathGradientSurroundColorsWithCount(Gradient(), colors, count));
    }
    Status SetPathGradientCenterPointI(const Point& point) {
        return Record(GdipSetPathGradientCenterPointI(Gradient(), &point));
    }

private:
    Gdiplus::GpPathGradient* Gradient() const { return static_cast<Gdiplus::GpPathGradient*>(handle); }
};

class Pen : public Object<Gdiplus::GpPen> {
public:
    // Width in world units, as every outline of the engine is drawn.
    explicit Pen(ARGB color, REAL width = 1.0f) {
        Record(GdipCreatePen1(color, width, Gdiplus::UnitWorld, &handle));
    }
    ~Pen() { if (handle) GdipDeletePen(handle); }

    Status SetPenMode(Gdiplus::PenAlignment alignment) { return Record(GdipSetPenMode(handle, alignment)); }
};

class ImageAttributes : public Object<Gdiplus::GpImageAttributes> {
public:
    ImageAttributes() { Record(GdipCreateImageAttributes(&handle)); }
    ~ImageAttributes() { if (handle) GdipDisposeImageAttributes(handle); }

    Status SetImageAttributesColorMatrix(const ColorMatrix& matrix,
                                         Gdiplus::ColorAdjustType type = Gdiplus::ColorAdjustTypeDefault,
                                         Gdiplus::ColorMatrixFlags flags = Gdiplus::ColorMatrixFlagsDefault) {
        return Record(GdipSetImageAttributesColorMatrix(handle, type, TRUE, &matrix, nullptr, flags));
    }
};

// A decoded image. The object itself lives in GDI+'s heap (GdipAlloc), as
// the published bitmap objects do, so that `new` yields null instead of
// throwing when GDI+ has no memory; deleting it disposes the image.
class Bitmap : public Object<Gdiplus::GpBitmap> {
public:
    explicit Bitmap(IStream* stream) { Record(GdipCreateBitmapFromStream(stream, &handle)); }
    Bitmap(HBITMAP hBitmap, HPALETTE hPalette) { Record(GdipCreateBitmapFromHBITMAP(hBitmap, hPalette, &handle)); }
    Bitmap(int width, int height, Gdiplus::PixelFormat format) {
        Record(GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &handle));
    }
    ~Bitmap() { if (handle) GdipDisposeImage(Image()); }

    static void* operator new(std::size_t size) noexcept { return GdipAlloc(size); }
    static void operator delete(void* p) noexcept { GdipFree(p); }

    Gdiplus::GpImage* Image() const { return handle; }

    // Reads and clears the last failure, as a decoder's caller wants to know.
    Status GetLastStatus() {
        const Status status = lastStatus;
        lastStatus = Ok;
        return status;
    }
    UINT GetImageWidth() {
        UINT width = 0;
        Record(GdipGetImageWidth(Image(), &width));
        return width;
    }
    UINT GetImageHeight() {
        UINT height = 0;
        Record(GdipGetImageHeight(Image(), &height));
        return height;
    }
    Status BitmapGetPixel(int x, int y, ARGB* color) { return Record(GdipBitmapGetPixel(handle, x, y, color)); }
    Status BitmapLockBits(const Rect* rect, UINT flags, Gdiplus::PixelFormat format, Gdiplus::BitmapData* data) {
        return Record(GdipBitmapLockBits(handle, rect, flags, format, data));
    }
    Status BitmapUnlockBits(Gdiplus::BitmapData* data) { return Record(GdipBitmapUnlockBits(handle, data)); }
};

class Graphics : public Object<Gdiplus::GpGraphics> {
public:
    explicit Graphics(HDC hDC) { Record(GdipCreateFromHDC(hDC, &handle)); }
    explicit Graphics(Bitmap& bitmap) { Record(GdipGetImageGraphicsContext(bitmap.Image(), &handle)); }
    ~Graphics() { if (handle) GdipDeleteGraphics(handle); }

    Gdiplus::SmoothingMode GetSmoothingMode() {
        Gdiplus::SmoothingMode mode = Gdiplus::SmoothingModeDefault;
        Record(GdipGetSmoothingMode(handle, &mode));
        return mode;
    }
    Status SetSmoothingMode(Gdiplus::SmoothingMode mode) { return Record(GdipSetSmoothingMode(handle, mode)); }
    Status SetTextRenderingHint(Gdiplus::TextRenderingHint hint) { return Record(GdipSetTextRenderingHint(handle, hint)); }
    Gdiplus::Unit GetPageUnit() {
        Gdiplus::Unit unit = Gdiplus::UnitDisplay;
        Record(GdipGetPageUnit(handle, &unit));
        return unit;
    }
    Status SetPageUnit(Gdiplus::Unit unit) { return Record(GdipSetPageUnit(handle, unit)); }

    Status SetClipRectI(int x, int y, int width, int height, Gdiplus::CombineMode mode) {
        return Record(GdipSetClipRectI(handle, x, y, width, height, mode));
    }
    Status SetClipRegion(const Region& region, Gdiplus::CombineMode mode) {
        return Record(GdipSetClipRegion(handle, region.handle, mode));
    }
    Status ResetClip() { return Record(GdipResetClip(handle)); }
    Status Flush(Gdiplus::FlushIntention intention = Gdiplus::FlushIntentionSync) {
        return Record(GdipFlush(handle, intention));
    }

    Status FillRectangleI(const Brush& brush, int x, int y, int width, int height) {
        return Record(GdipFillRectangleI(handle, brush.handle, x, y, width, height));
    }
    Status FillEllipseI(const Brush& brush, int x, int y, int width, int height) {
        return Record(GdipFillEllipseI(handle, brush.handle, x, y, width, height));
    }
    Status FillPath(const Brush& brush, const Path& path) { return Record(GdipFillPath(handle, brush.handle, path.handle)); }
    Status FillRegion(const Brush& brush, const Region& region) {
        return Record(GdipFillRegion(handle, brush.handle, region.handle));
    }
    Status DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2) {
        return Record(GdipDrawLineI(handle, pen.handle, x1, y1, x2, y2));
    }
    Status DrawPath(const Pen& pen, const Path& path) { return Record(GdipDrawPath(handle, pen.handle, path.handle)); }
    Status DrawEllipse(const Pen& pen, REAL x, REAL y, REAL width, REAL height) {
        return Record(GdipDrawEllipse(handle, pen.handle, x, y, width, height));
    }
    // A null image is GDI+'s own failure (InvalidParameter), recorded like any other.
    Status DrawImageI(const Bitmap* image, int x, int y) {
        return Record(GdipDrawImageI(handle, image ? image->Image() : nullptr, x, y));
    }
    Status DrawImageRectI(const Bitmap* image, int x, int y, int width, int height) {
        return Record(GdipDrawImageRectI(handle, image ? image->Image() : nullptr, x, y, width, height));
    }
    Status DrawImageRectRectI(const Bitmap* image, int dstX, int dstY, int dstWidth, int dstHeight,
                              int srcX, int srcY, int srcWidth, int srcHeight,
                              const ImageAttributes* attributes, Gdiplus::Unit srcUnit = Gdiplus::UnitPixel) {
        return Record(GdipDrawImageRectRectI(handle, image ? image->Image() : nullptr, dstX, dstY, dstWidth,
                                             dstHeight, srcX, srcY, srcWidth, srcHeight, srcUnit,
                                             attributes ? attributes->handle : nullptr, nullptr, nullptr));
    }
};

inline Status Region::IsVisibleRegionPointI(int x, int y, const Graphics* graphics, BOOL* result) {
    return Record(GdipIsVisibleRegionPointI(handle, x, y, graphics ? graphics->handle : nullptr, result));
}

inline Status Region::IsEmptyRegion(const Graphics* graphics, BOOL* result) {
    return Record(GdipIsEmptyRegion(handle, graphics ? graphics->handle : nullptr, result));
}

}  // namespace gdip
