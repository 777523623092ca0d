#include "audio/win32/SourceFilters.h"

#include <dmodshow.h>
#include <uuids.h>

#include "audio/win32/DirectShowIds.h"
#include "winutil/WideText.h"

using Microsoft::WRL::ComPtr;

bool isExistingFile(std::u16string_view path) {
    const DWORD attributes = GetFileAttributesW(toWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The file is only read: never change the permissions of the operator's own files.
// g++ has no __try, so a structured exception raised inside a filter's Load cannot become a
// code here; it reaches the process's crash handler. Our own filter reports failures as codes.
HRESULT loadSourceFile(IBaseFilter& filter, std::u16string_view path) {
    ComPtr<IFileSourceFilter> fileSource;
    const HRESULT result = filter.QueryInterface(IID_PPV_ARGS(&fileSource));
    return FAILED(result) ? result : fileSource->Load(toWide(path).c_str(), nullptr);
}

HRESULT createWmaFilters(ComPtr<IBaseFilter>& asfReader, ComPtr<IBaseFilter>& wmaDecoder) {
    HRESULT result = CoCreateInstance(CLSID_WMAsfReader, nullptr, CLSCTX_INPROC, IID_PPV_ARGS(&asfReader));
    if (SUCCEEDED(result)) {
        result = CoCreateInstance(dmoWrapperFilterClassId, nullptr, CLSCTX_INPROC, IID_PPV_ARGS(&wmaDecoder));
    }
    ComPtr<IDMOWrapperFilter> wrapper;
    if (SUCCEEDED(result)) result = wmaDecoder.As(&wrapper);
    if (SUCCEEDED(result)) result = wrapper->Init(wmaDecoderDmoClassId, wmaDecoderCategory);
    return result;
}
