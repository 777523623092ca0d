#pragma once
// The DLL under test, loaded as the program loads it: by full path with CoLoadLibrary, the
// filter made through the exported DllGetClassObject. Loaded once and kept for the process.
#include <windows.h>
#include <strmif.h>
#include <wrl/client.h>

#include <string>

// The class the program asks for, spelled as the program spells it.
extern const CLSID toolsSourceClassId;

HRESULT getToolsClassObject(REFCLSID classId, REFIID iid, void** object);
HRESULT canUnloadToolsModule();
HRESULT createToolsSource(Microsoft::WRL::ComPtr<IBaseFilter>& filter);
// A source with the sound file loaded.
HRESULT loadToolsSource(const std::wstring& path, Microsoft::WRL::ComPtr<IBaseFilter>& filter);
HRESULT firstPin(IBaseFilter* filter, PIN_DIRECTION direction, Microsoft::WRL::ComPtr<IPin>& pin);
