#include "winutil/PngResource.h"

#include <objidl.h>
#include <wrl/client.h>

#include <cstring>

using Microsoft::WRL::ComPtr;

std::unique_ptr<Gdiplus::Bitmap> loadPngResource(HINSTANCE instance, int id) {
    const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), L"PNG");
    if (found == nullptr) return nullptr;
    const DWORD size = SizeofResource(instance, found);
    const HGLOBAL loaded = LoadResource(instance, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0) return nullptr;

    // The stream owns this copy and frees it when released.
    const HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (copy == nullptr) return nullptr;
    if (void* target = GlobalLock(copy)) {
        std::memcpy(target, bytes, size);
        GlobalUnlock(copy);
    }
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        return nullptr;
    }
    // GDI+ decodes from the stream lazily; drawing into our own bitmap decodes it now, so the
    // stream can go, and the premultiplied format draws fastest.
    std::unique_ptr<Gdiplus::Bitmap> decoded(Gdiplus::Bitmap::FromStream(stream.Get()));
    if (!decoded || decoded->GetLastStatus() != Gdiplus::Ok) return nullptr;
    const int width = static_cast<int>(decoded->GetWidth());
    const int height = static_cast<int>(decoded->GetHeight());
    auto picture = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
    if (picture->GetLastStatus() != Gdiplus::Ok) return nullptr;
    Gdiplus::Graphics graphics(picture.get());
    graphics.Clear(Gdiplus::Color(0, 0, 0, 0));
    if (graphics.DrawImage(decoded.get(), 0, 0, width, height) != Gdiplus::Ok) return nullptr;
    return picture;
}

void drawScaled(Gdiplus::Graphics& graphics, Gdiplus::Bitmap& picture, const RECT& rect) {
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
    // Clamped edges keep the picture's border from blending with transparent pixels outside it.
    Gdiplus::ImageAttributes attributes;
    attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    const Gdiplus::Rect target(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    graphics.DrawImage(&picture, target, 0, 0, static_cast<int>(picture.GetWidth()),
                       static_cast<int>(picture.GetHeight()), Gdiplus::UnitPixel, &attributes);
}

void drawFitted(Gdiplus::Graphics& graphics, Gdiplus::Bitmap& picture, const RECT& frame) {
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const double aspect = static_cast<double>(picture.GetWidth()) / picture.GetHeight();
    const int drawWidth = width / aspect <= height ? width : static_cast<int>(height * aspect);
    const int drawHeight = static_cast<int>(drawWidth / aspect);
    const int left = frame.left + (width - drawWidth) / 2;
    const int top = frame.top + (height - drawHeight) / 2;
    drawScaled(graphics, picture, {left, top, left + drawWidth, top + drawHeight});
}

RECT childRect(HWND window, int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(window, id), &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
