#include "style/GResource.h"

#include <cstring>

CGdiPlusBitmap::~CGdiPlusBitmap() {
    delete gdipBitmap;
    gdipBitmap = nullptr;
}

GResource::~GResource() { Clear(); }

void GResource::Clear() {
    delete gdipBitmap;
    gdipBitmap = nullptr;
    if (resourceCopy) {
        ::GlobalUnlock(resourceCopy);
        ::GlobalFree(resourceCopy);
        resourceCopy = nullptr;
    }
}

bool GResource::LoadFromResource(const char* name, const char* type) {
    Clear();
    HRSRC hResource = ::FindResourceA(nullptr, name, type);
    if (!hResource)
        return false;
    const DWORD size = ::SizeofResource(nullptr, hResource);
    if (size == 0)
        return false;
    const void* bytes = ::LockResource(::LoadResource(nullptr, hResource));
    if (!bytes)
        return false;

    // GDI+ may read the stream again whenever it draws, so the copy outlives the load.
    resourceCopy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!resourceCopy)
        return false;
    void* copy = ::GlobalLock(resourceCopy);
    if (!copy) {
        ::GlobalFree(resourceCopy);
        resourceCopy = nullptr;
        return false;
    }
    std::memcpy(copy, bytes, size);

    IStream* stream = nullptr;
    if (::CreateStreamOnHGlobal(resourceCopy, FALSE, &stream) == S_OK) {
        gdipBitmap = new gdip::Bitmap(stream);
        stream->Release();
        if (gdipBitmap) {
            if (gdipBitmap->GetLastStatus() == gdip::Ok)
                return true;
            delete gdipBitmap;
            gdipBitmap = nullptr;
        }
    }
    ::GlobalUnlock(resourceCopy);
    ::GlobalFree(resourceCopy);
    resourceCopy = nullptr;
    return false;
}
