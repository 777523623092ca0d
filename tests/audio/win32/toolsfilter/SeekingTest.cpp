// The pin's IMediaSeeking before any playing: the positioning modes, clamping to the file,
// and the one time format and rate it supports.
#include <windows.h>
#include <dshow.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include "FilterModule.h"
#include "ToolsFilterPaths.h"

using Microsoft::WRL::ComPtr;

namespace {

constexpr LONGLONG second = 10'000'000;

class PinSeeking : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(loadToolsSource(soundPath(L"tone.wav"), filter), S_OK);
        ComPtr<IPin> pin;
        ASSERT_EQ(firstPin(filter.Get(), PINDIR_OUTPUT, pin), S_OK);
        ASSERT_EQ(pin.As(&seeking), S_OK);
        ASSERT_EQ(seeking->GetDuration(&duration), S_OK);
    }

    void expectPositions(LONGLONG current, LONGLONG stop) {
        LONGLONG gotCurrent = -1;
        LONGLONG gotStop = -1;
        ASSERT_EQ(seeking->GetPositions(&gotCurrent, &gotStop), S_OK);
        EXPECT_EQ(gotCurrent, current);
        EXPECT_EQ(gotStop, stop);
        ASSERT_EQ(seeking->GetCurrentPosition(&gotCurrent), S_OK);
        ASSERT_EQ(seeking->GetStopPosition(&gotStop), S_OK);
        EXPECT_EQ(gotCurrent, current);
        EXPECT_EQ(gotStop, stop);
    }

    ComPtr<IBaseFilter> filter;
    ComPtr<IMediaSeeking> seeking;
    LONGLONG duration = 0;
};

TEST_F(PinSeeking, PositionsEachModeAndLeavesTheOtherUnchanged) {
    LONGLONG current = second / 2;
    LONGLONG stop = 3 * second / 2;
    ASSERT_EQ(seeking->SetPositions(&current, AM_SEEKING_AbsolutePositioning, &stop, AM_SEEKING_AbsolutePositioning),
              S_OK);
    expectPositions(second / 2, 3 * second / 2);

    LONGLONG step = second / 4;
    ASSERT_EQ(seeking->SetPositions(&step, AM_SEEKING_RelativePositioning, nullptr, AM_SEEKING_NoPositioning), S_OK);
    expectPositions(3 * second / 4, 3 * second / 2);

    LONGLONG back = -second / 4;
    ASSERT_EQ(seeking->SetPositions(nullptr, AM_SEEKING_NoPositioning, &back, AM_SEEKING_RelativePositioning), S_OK);
    expectPositions(3 * second / 4, 5 * second / 4);

    // Incremental stops count from the new current position.
    LONGLONG start = second / 10;
    LONGLONG length = second / 5;
    ASSERT_EQ(
        seeking->SetPositions(&start, AM_SEEKING_AbsolutePositioning, &length, AM_SEEKING_IncrementalPositioning),
        S_OK);
    expectPositions(second / 10, 3 * second / 10);
}

TEST_F(PinSeeking, ClampsToTheFileAndReturnsTheTimesUsed) {
    LONGLONG current = -second;
    LONGLONG stop = 10 * second;
    ASSERT_EQ(seeking->SetPositions(&current, AM_SEEKING_AbsolutePositioning | AM_SEEKING_ReturnTime, &stop,
                                    AM_SEEKING_AbsolutePositioning | AM_SEEKING_ReturnTime),
              S_OK);
    EXPECT_EQ(current, 0);
    EXPECT_EQ(stop, duration);
    expectPositions(0, duration);

    current = 5 * second;
    ASSERT_EQ(seeking->SetPositions(&current, AM_SEEKING_AbsolutePositioning | AM_SEEKING_ReturnTime, nullptr,
                                    AM_SEEKING_NoPositioning),
              S_OK);
    EXPECT_EQ(current, duration);
}

TEST_F(PinSeeking, RefusesInvalidModesAndMissingTimes) {
    LONGLONG time = second;
    EXPECT_EQ(seeking->SetPositions(&time, AM_SEEKING_IncrementalPositioning, nullptr, AM_SEEKING_NoPositioning),
              E_INVALIDARG);
    EXPECT_EQ(seeking->SetPositions(nullptr, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning),
              E_POINTER);
    EXPECT_EQ(seeking->SetPositions(nullptr, AM_SEEKING_NoPositioning, nullptr, AM_SEEKING_AbsolutePositioning),
              E_POINTER);
    expectPositions(0, duration);
}

TEST_F(PinSeeking, RefusesOtherTimeFormatsAndRates) {
    EXPECT_EQ(seeking->IsFormatSupported(&TIME_FORMAT_SAMPLE), S_FALSE);
    EXPECT_EQ(seeking->SetTimeFormat(&TIME_FORMAT_SAMPLE), E_INVALIDARG);
    LONGLONG converted = 0;
    EXPECT_EQ(seeking->ConvertTimeFormat(&converted, &TIME_FORMAT_SAMPLE, 1234, nullptr), E_INVALIDARG);
    EXPECT_EQ(seeking->SetRate(2.0), E_INVALIDARG);
    EXPECT_EQ(seeking->SetRate(1.0), S_OK);
}

TEST_F(PinSeeking, ChecksCapabilitiesAgainstWhatItCanDo) {
    DWORD capabilities = 0;
    ASSERT_EQ(seeking->GetCapabilities(&capabilities), S_OK);
    const DWORD needed = AM_SEEKING_CanSeekAbsolute | AM_SEEKING_CanGetCurrentPos | AM_SEEKING_CanGetStopPos |
                         AM_SEEKING_CanGetDuration;
    EXPECT_EQ(capabilities & needed, needed);

    DWORD asked = needed;
    EXPECT_EQ(seeking->CheckCapabilities(&asked), S_OK);
    asked = AM_SEEKING_CanSeekAbsolute | AM_SEEKING_CanPlayBackwards;
    EXPECT_EQ(seeking->CheckCapabilities(&asked), S_FALSE);
    EXPECT_EQ(asked, static_cast<DWORD>(AM_SEEKING_CanSeekAbsolute));
    asked = AM_SEEKING_CanPlayBackwards;
    EXPECT_EQ(seeking->CheckCapabilities(&asked), E_FAIL);
}

TEST_F(PinSeeking, AnUnconnectedFilterChangesStateWithoutStreaming) {
    FILTER_STATE state = State_Running;
    EXPECT_EQ(filter->GetState(0, &state), S_OK);
    EXPECT_EQ(state, State_Stopped);
    EXPECT_EQ(filter->Pause(), S_OK);
    EXPECT_EQ(filter->GetState(0, &state), S_OK);
    EXPECT_EQ(state, State_Paused);
    EXPECT_EQ(filter->Run(0), S_OK);
    EXPECT_EQ(filter->GetState(0, &state), S_OK);
    EXPECT_EQ(state, State_Running);
    expectPositions(0, duration);
    EXPECT_EQ(filter->Stop(), S_OK);
    EXPECT_EQ(filter->GetState(0, &state), S_OK);
    EXPECT_EQ(state, State_Stopped);
}

}  // namespace
