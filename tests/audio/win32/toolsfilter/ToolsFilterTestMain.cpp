// The tools filter tests: a single-threaded apartment as on the program's user-interface thread,
// and every crash turned into a failed exit, since under Wine an unhandled one opens a dialog.
//   lvtx_toolsfilter_tests DLL_PATH SOUNDS_FOLDER [gtest options]
#include <windows.h>

#include <ole2.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "ToolsFilterPaths.h"

namespace {

LONG WINAPI reportCrash(EXCEPTION_POINTERS* exception) {
    std::fprintf(stderr, "crash: exception 0x%08lx at %p\n", exception->ExceptionRecord->ExceptionCode,
                 exception->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 4);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int main(int argc, char** argv) {
    SetUnhandledExceptionFilter(reportCrash);
    testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DLL_PATH SOUNDS_FOLDER\n", argv[0]);
        return 2;
    }
    setToolsFilterPaths(argv[1], argv[2]);
    if (FAILED(OleInitialize(nullptr))) return 3;
    const int result = RUN_ALL_TESTS();
    OleUninitialize();
    return result;
}
