#pragma once
// The font embedded as resource "Binary" 173: in a GDI+ private collection for drawn text, and
// in the process's GDI font table (twice, as the pages expect) for controls.
#include <windows.h>

void registerEmbeddedFont(HINSTANCE instance);
// Frees the collection and both GDI registrations; before GDI+ shuts down.
void releaseEmbeddedFont();
