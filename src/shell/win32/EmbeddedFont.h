#pragma once
// The font embedded as resource "Binary" 173: in a GDI+ private collection for drawn text, and
// in the process's GDI font table (twice, as the pages expect) for controls.
#include <windows.h>

#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

void registerEmbeddedFont(HINSTANCE instance);
// Null before registration and after release.
Gdiplus::FontCollection* embeddedFonts();
// Frees the collection and both GDI registrations; before GDI+ shuts down.
void releaseEmbeddedFont();
