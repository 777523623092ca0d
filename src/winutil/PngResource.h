#pragma once
// PNG pictures stored as resources of type "PNG", decoded once for fast scaled drawing.
#include <windows.h>

#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <memory>

// The picture in premultiplied 32-bit form, or null when the resource is missing or unreadable.
std::unique_ptr<Gdiplus::Bitmap> loadPngResource(HINSTANCE instance, int id);

// Draws `picture` scaled into the rectangle with high-quality bicubic interpolation.
void drawScaled(Gdiplus::Graphics& graphics, Gdiplus::Bitmap& picture, const RECT& rect);

// Draws `picture` as large as fits into `frame`, keeping its proportions, centred.
void drawFitted(Gdiplus::Graphics& graphics, Gdiplus::Bitmap& picture, const RECT& frame);

// The rectangle of `window`'s control `id` in `window`'s client coordinates.
RECT childRect(HWND window, int id);
