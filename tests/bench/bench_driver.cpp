// Measures the running program: starts a fresh process, notes its working
// set, then times drops of a file (or a text query) until the report is in
// 编辑框1, and reads the process's peak working set afterwards.
//   bench_driver file <path> <runs> <output file>
//   bench_driver text <path of the text> <runs> <output file>
//   bench_driver stages <path> <runs> <output file>   in-process, no window
// The output holds: the milliseconds of each run, then "before <bytes>",
// "peak <bytes>" and "accepted <characters>" lines.
#include "drag_source.h"
#include "program_driver.h"
#include "application/control_access.h"
#include "application/window_layer.h"
#include "foundation/block_memory.h"
#include "queries/text_query.h"
#include "foundation/whole_file_read.h"
#include "queries/file_query.h"
#include "support/scratch_files.h"

#include <ole2.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

PROCESS_MEMORY_COUNTERS MemoryOf(const ProgramUnderTest& program)
{
    PROCESS_MEMORY_COUNTERS counters{};
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program.ProcessId());
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    CloseHandle(process);
    return counters;
}

bool ReportComplete(const ProgramUnderTest& program)
{
    return program.TextOf(编辑框1).rfind("MD5:", 0) == 0;
}

double Since(const LARGE_INTEGER& from)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return Milliseconds(from, now);
}

// Where a file report's time goes, without the window: one read into
// fresh memory, six more into the memory it gave back, then the whole report
// with warm memory.
void MeasureStages(const std::string& path, int runs, FILE* out)
{
    for (int run = 0; run < runs; ++run) {
        ReleaseSpareBlocks();
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        ReleaseBlock(ReadWholeFile(path.c_str()));
        std::fprintf(out, "cold-read %.1f\n", Since(start));
        QueryPerformanceCounter(&start);
        for (int read = 0; read < 6; ++read)
            ReleaseBlock(ReadWholeFile(path.c_str()));
        std::fprintf(out, "warm-reads %.1f\n", Since(start));
        QueryPerformanceCounter(&start);
        FileReadOutcome failure;
        ReleaseBlock(BuildFileReport(path.c_str(), &failure));
        std::fprintf(out, "report %.1f\n", Since(start));
    }
    ReleaseSpareBlocks();
}

// The file query's handler in a window of this process, without the
// cross-process drop around it.
void MeasureHandlerInProcess(const std::string& path, int runs, FILE* out)
{
    LoadMainWindow();
    for (int run = 0; run < runs; ++run) {
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        OnFileDropped(path.c_str());
        std::fprintf(out, "handler %.1f\n", Since(start));
    }
    DestroyWindow(GetMainWindowHandle());
}

// The text query's stages in a window of this process.
void MeasureTextStages(const std::string& path, int runs, FILE* out)
{
    LoadMainWindow();
    const std::string text = ReadFileBytes(path);
    SetWindowTextA(ComponentWindow(编辑框2), text.c_str());
    for (int run = 0; run < runs; ++run) {
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        ReleaseBlock(ReadControlText(编辑框2));
        std::fprintf(out, "read-box %.1f\n", Since(start));
        QueryPerformanceCounter(&start);
        OnQueryButtonClicked();
        std::fprintf(out, "query %.1f\n", Since(start));
    }
    DestroyWindow(GetMainWindowHandle());
}

}

int main(int argc, char** argv)
{
    if (argc < 5)
        return 2;
    const std::string mode = argv[1];
    const std::string path = argv[2];
    const int runs = std::atoi(argv[3]);
    FILE* out = std::fopen(argv[4], "w");
    OleInitialize(nullptr);
    if (mode == "stages" || mode == "text-stages") {
        if (mode == "stages") {
            MeasureStages(path, runs, out);
            MeasureHandlerInProcess(path, runs, out);
        } else {
            MeasureTextStages(path, runs, out);
        }
        std::fclose(out);
        return 0;
    }

    ProgramUnderTest program;
    if (!program.Main())
        return 3;
    std::string text;
    if (mode == "text") {
        // The first query loads the provider; it is not measured.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(program.Control(按钮1), BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &ignored);
        text = ReadFileBytes(path);
        program.PasteText(编辑框2, text);
        DWORD_PTR accepted = 0;
        SendMessageTimeoutA(program.Control(编辑框2), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 60000, &accepted);
        std::fprintf(out, "accepted %zu\n", static_cast<size_t>(accepted));
    }
    // A first drop of nothing loads the platform's drag and drop machinery,
    // which then belongs to the working set before the measured drops.
    if (mode == "file") {
        const std::string empty = ScratchFolder("bench-warm-up") + "empty.bin";
        WriteFileBytes(empty, "");
        DropFilesOn(program, 编辑框1, {100, 100}, {empty});
    }
    program.Settle();
    Sleep(500);
    std::fprintf(out, "before %zu\n", static_cast<size_t>(MemoryOf(program).WorkingSetSize));

    for (int run = 0; run < runs; ++run) {
        program.PutText(编辑框1, "");
        // The drop is answered only once the report is written, and the
        // click returns only then, so both end exactly with the report.
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        if (mode == "text") {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(program.Control(按钮1), BM_CLICK, 0, 0, SMTO_NORMAL, 600000, &ignored);
        } else {
            DropFilesOn(program, 编辑框1, {100, 100}, {path}, &start);
        }
        QueryPerformanceCounter(&end);
        if (!ReportComplete(program))
            std::fprintf(out, "incomplete\n");
        std::fprintf(out, "run %.1f\n", Milliseconds(start, end));
        std::fflush(out);
    }
    std::fprintf(out, "peak %zu\n", static_cast<size_t>(MemoryOf(program).PeakWorkingSetSize));
    std::fclose(out);
    OleUninitialize();
    return 0;
}
