// Playing through a direct connection to the DirectSound renderer, in real time on Wine's null
// device: every format to its end, seeks while running, paused and stopped, stopping and
// replaying, and nothing left alive afterwards.
#include <windows.h>
#include <dshow.h>
#include <evcode.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "FilterModule.h"
#include "PlaybackGraph.h"
#include "TestSounds.h"
#include "ToolsFilterPaths.h"

using Microsoft::WRL::ComPtr;

namespace {

constexpr LONGLONG unitsPerMs = 10000;
constexpr DWORD slackMs = 3000;
// Wine's renderer reports the end within about 100 ms of the sound's end, and the graph's clock
// starts up to 200 ms before the sound does.
constexpr long earlyMs = 250;
constexpr long lateMs = 500;
// What decoders add or trim at the ends of a compressed stream.
constexpr LONGLONG codecSlackMs = 50;

class Playback : public testing::Test {
protected:
    void TearDown() override {
        graph.release();
        // Every reference to the filter and its pin was given back, and the thread has ended.
        EXPECT_EQ(canUnloadToolsModule(), S_OK);
    }

    HRESULT seekTo(long ms) {
        LONGLONG position = ms * unitsPerMs;
        return graph.seeking->SetPositions(&position, AM_SEEKING_AbsolutePositioning, nullptr,
                                           AM_SEEKING_NoPositioning);
    }

    LONGLONG sourcePositionMs() {
        LONGLONG current = -1;
        graph.sourceSeeking->GetCurrentPosition(&current);
        return current / unitsPerMs;
    }

    void expectCompleteAfter(long expectedMs) {
        const long took = waitForComplete(graph.events.Get(), expectedMs + slackMs);
        ASSERT_GE(took, 0) << "no EC_COMPLETE";
        EXPECT_GE(took, expectedMs - earlyMs);
        EXPECT_LE(took, expectedMs + lateMs);
    }

    PlaybackGraph graph;
};

class FormatPlayback : public Playback, public testing::WithParamInterface<std::wstring> {};

TEST_P(FormatPlayback, PlaysToTheEndInTheFilesLength) {
    ASSERT_EQ(graph.build(soundPath(GetParam())), S_OK);
    LONGLONG stop = 0;
    ASSERT_EQ(graph.seeking->GetStopPosition(&stop), S_OK);
    EXPECT_LE(std::llabs(stop / unitsPerMs - toneLengthMs), 50);

    ASSERT_TRUE(SUCCEEDED(graph.control->Run()));
    const long reached = waitForEnd(graph.seeking.Get(), toneLengthMs + slackMs);
    ASSERT_GE(reached, 0) << "the graph never reached its stop position";
    EXPECT_GE(reached, toneLengthMs - earlyMs);
    EXPECT_LE(reached, toneLengthMs + lateMs);
    expectCompleteAfter(0);
    // All of the file went downstream.
    EXPECT_LE(std::llabs(sourcePositionMs() - stop / unitsPerMs), codecSlackMs);
}

TEST_P(FormatPlayback, SeeksWhileRunning) {
    ASSERT_EQ(graph.build(soundPath(GetParam())), S_OK);
    ASSERT_TRUE(SUCCEEDED(graph.control->Run()));
    pumpMessages(500);
    ASSERT_EQ(seekTo(1500), S_OK);
    // Only the last half second is left: the end comes far sooner than the 1.5 s still to go
    // before the seek.
    expectCompleteAfter(toneLengthMs - 1500);
}

const std::vector<std::wstring>& everyPlayedFile() {
    static const std::vector<std::wstring> files = [] {
        std::vector<std::wstring> all = toneFiles();
        all.push_back(L"six.wav");
        all.push_back(L"mono22050.wav");
        return all;
    }();
    return files;
}

INSTANTIATE_TEST_SUITE_P(EachFormat, FormatPlayback, testing::ValuesIn(everyPlayedFile()),
                         [](const testing::TestParamInfo<std::wstring>& test) {
                             std::string name = extensionOf(test.param);
                             if (test.param == L"six.wav") name = "sixChannelWav";
                             if (test.param == L"mono22050.wav") name = "monoWav";
                             return name;
                         });

TEST_F(Playback, SeeksWhilePausedAndPlaysTheRestOnRun) {
    ASSERT_EQ(graph.build(soundPath(L"tone.mp3")), S_OK);
    ASSERT_TRUE(SUCCEEDED(graph.control->Pause()));
    OAFilterState state = State_Stopped;
    ASSERT_EQ(settle(graph.control.Get(), state), S_OK);
    EXPECT_EQ(state, State_Paused);
    ASSERT_EQ(seekTo(1000), S_OK);
    ASSERT_EQ(settle(graph.control.Get(), state), S_OK);
    EXPECT_EQ(state, State_Paused);
    ASSERT_TRUE(SUCCEEDED(graph.control->Run()));
    expectCompleteAfter(toneLengthMs - 1000);
}

TEST_F(Playback, StartsWhereASeekWhileStoppedPutIt) {
    ASSERT_EQ(graph.build(soundPath(L"tone.ogg")), S_OK);
    ASSERT_EQ(seekTo(1400), S_OK);
    EXPECT_EQ(sourcePositionMs(), 1400);
    ASSERT_TRUE(SUCCEEDED(graph.control->Run()));
    expectCompleteAfter(toneLengthMs - 1400);
}

TEST_F(Playback, StopsMidwayAndReplaysFromTheStart) {
    ASSERT_EQ(graph.build(soundPath(L"tone.m4a")), S_OK);
    ASSERT_TRUE(SUCCEEDED(graph.control->Run()));
    pumpMessages(700);
    ASSERT_EQ(graph.control->Stop(), S_OK);
    FILTER_STATE state = State_Running;
    ASSERT_EQ(graph.source->GetState(0, &state), S_OK);
    EXPECT_EQ(state, State_Stopped);

    ASSERT_EQ(seekTo(0), S_OK);
    ASSERT_TRUE(SUCCEEDED(graph.control->Run()));
    expectCompleteAfter(toneLengthMs);
}

TEST_F(Playback, ReplaysAfterTheEndWhenSeekedBackWhileRunning) {
    ASSERT_EQ(graph.build(soundPath(L"tone.wav")), S_OK);
    ASSERT_TRUE(SUCCEEDED(graph.control->Run()));
    ASSERT_GE(waitForComplete(graph.events.Get(), toneLengthMs + slackMs), 0);
    const LONGLONG end = sourcePositionMs();
    EXPECT_GE(end, toneLengthMs - 1);

    ASSERT_EQ(seekTo(0), S_OK);
    EXPECT_LT(sourcePositionMs(), end);
    // The source streams the file again: in real time, so not all of it at once.
    pumpMessages(200);
    const LONGLONG early = sourcePositionMs();
    EXPECT_LT(early, end);
    const ULONGLONG start = GetTickCount64();
    while (sourcePositionMs() < end && GetTickCount64() - start < toneLengthMs + slackMs) pumpMessages(10);
    EXPECT_EQ(sourcePositionMs(), end);
}

TEST_F(Playback, ReleasingARunningGraphEndsTheStreaming) {
    ASSERT_EQ(graph.build(soundPath(L"tone.flac")), S_OK);
    ASSERT_TRUE(SUCCEEDED(graph.control->Run()));
    pumpMessages(300);
    // No Stop: the graph's last release stops the filters and takes them out itself.
    graph.sourceSeeking.Reset();
    graph.source.Reset();
    graph.renderer.Reset();
    graph.events.Reset();
    graph.seeking.Reset();
    graph.control.Reset();
    graph.graph.Reset();
}

TEST_F(Playback, PlaysTheFileItLoadedWhateverBecomesOfTheNameMeanwhile) {
    const std::wstring original = soundPath(L"tone.mp3");
    const std::wstring vanishing = soundPath(L"vanishing.mp3");
    ASSERT_TRUE(CopyFileW(original.c_str(), vanishing.c_str(), FALSE));
    ASSERT_EQ(graph.build(vanishing), S_OK);
    // The file stays open from loading: the system either refuses the deletion or lets the
    // open file live on until the filter lets it go.
    DeleteFileW(vanishing.c_str());
    ASSERT_TRUE(SUCCEEDED(graph.control->Run()));
    expectCompleteAfter(toneLengthMs);
    graph.release();
    DeleteFileW(vanishing.c_str());
    EXPECT_EQ(GetFileAttributesW(vanishing.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Playback, RefusesANewFileOrADisconnectionWhileConnectedOrRunning) {
    ASSERT_EQ(graph.build(soundPath(L"tone.wav")), S_OK);
    ComPtr<IFileSourceFilter> file;
    ASSERT_EQ(graph.source.As(&file), S_OK);
    EXPECT_EQ(file->Load(soundPath(L"mono22050.wav").c_str(), nullptr), VFW_E_ALREADY_CONNECTED);

    ComPtr<IPin> output;
    ASSERT_EQ(firstPin(graph.source.Get(), PINDIR_OUTPUT, output), S_OK);
    ComPtr<IPin> input;
    ASSERT_EQ(firstPin(graph.renderer.Get(), PINDIR_INPUT, input), S_OK);
    EXPECT_EQ(output->Connect(input.Get(), nullptr), VFW_E_ALREADY_CONNECTED);
    ASSERT_TRUE(SUCCEEDED(graph.control->Run()));
    EXPECT_EQ(output->Disconnect(), VFW_E_NOT_STOPPED);
    EXPECT_EQ(file->Load(soundPath(L"mono22050.wav").c_str(), nullptr), VFW_E_NOT_STOPPED);
    pumpMessages(300);
}

TEST_F(Playback, ReportsTheConnectionToBothPins) {
    ASSERT_EQ(graph.build(soundPath(L"six.wav")), S_OK);
    ComPtr<IPin> output;
    ASSERT_EQ(firstPin(graph.source.Get(), PINDIR_OUTPUT, output), S_OK);
    ComPtr<IPin> input;
    ASSERT_EQ(firstPin(graph.renderer.Get(), PINDIR_INPUT, input), S_OK);
    ComPtr<IPin> peer;
    ASSERT_EQ(output->ConnectedTo(&peer), S_OK);
    EXPECT_EQ(peer, input);

    AM_MEDIA_TYPE ours{};
    AM_MEDIA_TYPE theirs{};
    ASSERT_EQ(output->ConnectionMediaType(&ours), S_OK);
    ASSERT_EQ(input->ConnectionMediaType(&theirs), S_OK);
    EXPECT_EQ(ours.subtype, MEDIASUBTYPE_PCM);
    ASSERT_EQ(ours.cbFormat, theirs.cbFormat);
    EXPECT_EQ(std::memcmp(ours.pbFormat, theirs.pbFormat, ours.cbFormat), 0);
    CoTaskMemFree(ours.pbFormat);
    CoTaskMemFree(theirs.pbFormat);
}

}  // namespace
