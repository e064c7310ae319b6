#pragma once
// Decoded pictures: CGdiPlusBitmap owns a GDI+ bitmap; GResource loads one
// from a "PNG" resource of the program and keeps the bytes GDI+ decodes from
// alive (locked in a movable block) exactly as long as the bitmap.

#include "style/GdiPlus.h"

class CGdiPlusBitmap {
public:
    CGdiPlusBitmap() = default;
    CGdiPlusBitmap(const CGdiPlusBitmap&) = delete;
    CGdiPlusBitmap& operator=(const CGdiPlusBitmap&) = delete;
    virtual ~CGdiPlusBitmap();

    gdip::Bitmap* gdipBitmap = nullptr;  // owned; null when nothing is loaded
};

class GResource : public CGdiPlusBitmap {
public:
    GResource() = default;
    ~GResource() override;

    // name and type as for FindResourceA: a string or MAKEINTRESOURCEA(id).
    // False leaves the object empty, also when it held an image before.
    bool LoadFromResource(const char* name, const char* type);
    // The bitmap first, then the memory it decodes from.
    void Clear();

    HGLOBAL resourceCopy = nullptr;  // owned; locked while gdipBitmap lives
};
