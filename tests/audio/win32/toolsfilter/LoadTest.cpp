// Loading a file: its length, the one PCM type offered at the file's own channels and rate,
// and the failures of files that are no sound.
#include <windows.h>
#include <dshow.h>
#include <ks.h>
#include <ksmedia.h>
#include <mmreg.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "FilterModule.h"
#include "TestSounds.h"
#include "ToolsFilterPaths.h"

using Microsoft::WRL::ComPtr;

namespace {

constexpr LONGLONG unitsPerMs = 10000;

// The single type the pin offers, as the renderer sees it during the connection.
class OfferedType {
public:
    explicit OfferedType(IPin* pin) {
        ComPtr<IEnumMediaTypes> types;
        AM_MEDIA_TYPE* got = nullptr;
        if (SUCCEEDED(pin->EnumMediaTypes(&types)) && types->Next(1, &got, nullptr) == S_OK) type_ = got;
    }
    ~OfferedType() {
        if (!type_) return;
        CoTaskMemFree(type_->pbFormat);
        CoTaskMemFree(type_);
    }
    OfferedType(const OfferedType&) = delete;
    OfferedType& operator=(const OfferedType&) = delete;

    const AM_MEDIA_TYPE* get() const { return type_; }
    const WAVEFORMATEX& wave() const { return *reinterpret_cast<const WAVEFORMATEX*>(type_->pbFormat); }

private:
    AM_MEDIA_TYPE* type_ = nullptr;
};

struct LoadedSource {
    HRESULT loaded = E_FAIL;
    ComPtr<IBaseFilter> filter;
    ComPtr<IPin> pin;
    ComPtr<IMediaSeeking> seeking;

    explicit LoadedSource(const std::wstring& path) {
        loaded = loadToolsSource(path, filter);
        if (filter && SUCCEEDED(firstPin(filter.Get(), PINDIR_OUTPUT, pin))) pin.As(&seeking);
    }
};

class ToneLoad : public testing::TestWithParam<std::wstring> {};

TEST_P(ToneLoad, KnowsTheLengthWithin50Ms) {
    LoadedSource source(soundPath(GetParam()));
    ASSERT_EQ(source.loaded, S_OK);
    ASSERT_TRUE(source.seeking);
    LONGLONG duration = 0;
    LONGLONG current = -1;
    LONGLONG stop = 0;
    ASSERT_EQ(source.seeking->GetDuration(&duration), S_OK);
    ASSERT_EQ(source.seeking->GetPositions(&current, &stop), S_OK);
    EXPECT_LE(std::llabs(duration / unitsPerMs - toneLengthMs), 50) << duration;
    EXPECT_EQ(current, 0);
    EXPECT_EQ(stop, duration);

    OfferedType type(source.pin.Get());
    ASSERT_NE(type.get(), nullptr);
    EXPECT_EQ(type.wave().nChannels, 2);
    EXPECT_EQ(type.wave().nSamplesPerSec, 44100u);
    EXPECT_EQ(type.wave().wBitsPerSample, 16);
}

INSTANTIATE_TEST_SUITE_P(EachFormat, ToneLoad, testing::ValuesIn(toneFiles()),
                         [](const testing::TestParamInfo<std::wstring>& test) { return extensionOf(test.param); });

TEST(ToolsSourceLoad, OffersPlainPcmForMonoAtTheFilesRate) {
    LoadedSource source(soundPath(L"mono22050.wav"));
    ASSERT_EQ(source.loaded, S_OK);
    OfferedType type(source.pin.Get());
    ASSERT_NE(type.get(), nullptr);
    EXPECT_EQ(type.get()->majortype, MEDIATYPE_Audio);
    EXPECT_EQ(type.get()->subtype, MEDIASUBTYPE_PCM);
    EXPECT_EQ(type.get()->formattype, FORMAT_WaveFormatEx);
    ASSERT_EQ(type.get()->cbFormat, sizeof(WAVEFORMATEX));
    const WAVEFORMATEX& wave = type.wave();
    EXPECT_EQ(wave.wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(wave.nChannels, 1);
    EXPECT_EQ(wave.nSamplesPerSec, 22050u);
    EXPECT_EQ(wave.wBitsPerSample, 16);
    EXPECT_EQ(wave.nBlockAlign, 2);
    EXPECT_EQ(wave.nAvgBytesPerSec, 44100u);
    EXPECT_EQ(wave.cbSize, 0);
    EXPECT_EQ(source.pin->QueryAccept(type.get()), S_OK);
}

TEST(ToolsSourceLoad, OffersExtensiblePcmBeyondTwoChannels) {
    LoadedSource source(soundPath(L"six.wav"));
    ASSERT_EQ(source.loaded, S_OK);
    OfferedType type(source.pin.Get());
    ASSERT_NE(type.get(), nullptr);
    ASSERT_EQ(type.get()->cbFormat, sizeof(WAVEFORMATEXTENSIBLE));
    const auto& wave = *reinterpret_cast<const WAVEFORMATEXTENSIBLE*>(type.get()->pbFormat);
    EXPECT_EQ(wave.Format.wFormatTag, WAVE_FORMAT_EXTENSIBLE);
    EXPECT_EQ(wave.Format.nChannels, 6);
    EXPECT_EQ(wave.Format.nSamplesPerSec, 48000u);
    EXPECT_EQ(wave.Format.nBlockAlign, 12);
    EXPECT_EQ(wave.Format.cbSize, sizeof(WAVEFORMATEXTENSIBLE) - sizeof(WAVEFORMATEX));
    EXPECT_EQ(wave.Samples.wValidBitsPerSample, 16);
    EXPECT_EQ(wave.dwChannelMask, static_cast<DWORD>(KSAUDIO_SPEAKER_5POINT1));
    EXPECT_EQ(wave.SubFormat, MEDIASUBTYPE_PCM);
}

TEST(ToolsSourceLoad, AcceptsOnlyTypesDescribingItsOwn) {
    LoadedSource source(soundPath(L"tone.wav"));
    ASSERT_EQ(source.loaded, S_OK);
    OfferedType type(source.pin.Get());
    ASSERT_NE(type.get(), nullptr);
    AM_MEDIA_TYPE partial{};
    partial.majortype = MEDIATYPE_Audio;
    EXPECT_EQ(source.pin->QueryAccept(&partial), S_OK);
    partial.subtype = MEDIASUBTYPE_IEEE_FLOAT;
    EXPECT_EQ(source.pin->QueryAccept(&partial), S_FALSE);

    AM_MEDIA_TYPE otherRate = *type.get();
    WAVEFORMATEX wave = type.wave();
    wave.nSamplesPerSec = 48000;
    otherRate.pbFormat = reinterpret_cast<BYTE*>(&wave);
    EXPECT_EQ(source.pin->QueryAccept(&otherRate), S_FALSE);
}

TEST(ToolsSourceLoad, EnumeratesItsOneTypeAndNoneBeforeAFileIsLoaded) {
    ComPtr<IBaseFilter> empty;
    ASSERT_EQ(createToolsSource(empty), S_OK);
    ComPtr<IPin> emptyPin;
    ASSERT_EQ(firstPin(empty.Get(), PINDIR_OUTPUT, emptyPin), S_OK);
    EXPECT_EQ(OfferedType(emptyPin.Get()).get(), nullptr);

    LoadedSource source(soundPath(L"tone.wav"));
    ASSERT_EQ(source.loaded, S_OK);
    ComPtr<IEnumMediaTypes> types;
    ASSERT_EQ(source.pin->EnumMediaTypes(&types), S_OK);
    AM_MEDIA_TYPE* got[2] = {};
    ULONG fetched = 0;
    EXPECT_EQ(types->Next(2, got, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 1u);
    CoTaskMemFree(got[0]->pbFormat);
    CoTaskMemFree(got[0]);
    EXPECT_EQ(types->Next(1, got, nullptr), S_FALSE);
}

TEST(ToolsSourceLoad, ReportsTheFileAndItsTypeBackAndLoadsChineseNames) {
    const std::wstring path = soundPath(L"上课铃.wav");
    LoadedSource source(path);
    ASSERT_EQ(source.loaded, S_OK);
    ComPtr<IFileSourceFilter> file;
    ASSERT_EQ(source.filter.As(&file), S_OK);
    LPOLESTR name = nullptr;
    AM_MEDIA_TYPE type{};
    ASSERT_EQ(file->GetCurFile(&name, &type), S_OK);
    EXPECT_EQ(std::wstring(name), path);
    EXPECT_EQ(type.majortype, MEDIATYPE_Audio);
    EXPECT_EQ(type.subtype, MEDIASUBTYPE_PCM);
    CoTaskMemFree(name);
    CoTaskMemFree(type.pbFormat);
}

TEST(ToolsSourceLoad, FailsWithACodeOnWhatIsNoSound) {
    for (const std::wstring& bad : {soundPath(L"not-audio.mp3"), soundPath(L"missing.mp3"), soundPath(L"")}) {
        SCOPED_TRACE(std::string(bad.begin(), bad.end()));
        LoadedSource source(bad);
        EXPECT_TRUE(FAILED(source.loaded)) << std::hex << source.loaded;
        ASSERT_TRUE(source.pin);
        EXPECT_EQ(OfferedType(source.pin.Get()).get(), nullptr);
        ComPtr<IFileSourceFilter> file;
        ASSERT_EQ(source.filter.As(&file), S_OK);
        LPOLESTR name = nullptr;
        EXPECT_EQ(file->GetCurFile(&name, nullptr), E_FAIL);
        EXPECT_EQ(name, nullptr);
    }
}

TEST(ToolsSourceLoad, AFailedLoadKeepsTheFileLoadedBefore) {
    LoadedSource source(soundPath(L"mono22050.wav"));
    ASSERT_EQ(source.loaded, S_OK);
    ComPtr<IFileSourceFilter> file;
    ASSERT_EQ(source.filter.As(&file), S_OK);
    EXPECT_TRUE(FAILED(file->Load(soundPath(L"not-audio.mp3").c_str(), nullptr)));
    OfferedType type(source.pin.Get());
    ASSERT_NE(type.get(), nullptr);
    EXPECT_EQ(type.wave().nSamplesPerSec, 22050u);
}

}  // namespace
