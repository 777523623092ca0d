#pragma once
// What both the player and the duration probe do to get a file into source filters.
#include <windows.h>

#include <strmif.h>
#include <wrl/client.h>

#include <string_view>

// True for an existing file, false for a folder or nothing.
bool isExistingFile(std::u16string_view path);

// IFileSourceFilter::Load of `path` with no media type.
HRESULT loadSourceFile(IBaseFilter& filter, std::u16string_view path);

// The ASF reader and the DMO wrapper initialised with the WMA decoder.
HRESULT createWmaFilters(Microsoft::WRL::ComPtr<IBaseFilter>& asfReader, Microsoft::WRL::ComPtr<IBaseFilter>& wmaDecoder);
