// Measures the running program: starts a fresh process, notes its working
// set, then times drops of a file (or a text query) until the report is in
// 编辑框1, and reads the process's peak working set afterwards.
//   bench_driver file <path> <runs> <output file> [floor program]
//   bench_driver text <path of the text> <runs> <output file> [floor program]
//   bench_driver stages <path> <runs> <output file>   in-process, no window
// The output holds: the milliseconds of each run (and of the floor program
// run just before it, when given), then "before <bytes>",
// "peak <bytes>" and "accepted <characters>" lines.
#include "drag_source.h"
#include "program_driver.h"
#include "application/control_access.h"
#include "application/window_layer.h"
#include "foundation/block_memory.h"
#include "foundation/byte_buffer_operations.h"
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

// One run of the floor program on the same input, in a process of its own,
// taken just before each measured run so that both see the machine alike.
double RunFloorOnce(const std::string& floorProgram, const std::string& path, const std::string& output)
{
    std::string command = "\"" + floorProgram + "\" \"" + path + "\" 1 \"" + output + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    double milliseconds = -1;
    if (FILE* result = std::fopen(output.c_str(), "r")) {
        if (std::fscanf(result, "run %lf", &milliseconds) != 1)
            milliseconds = -1;
        std::fclose(result);
    }
    return milliseconds;
}

double Since(const LARGE_INTEGER& from)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return Milliseconds(from, now);
}

// Touches every page of a buffer, as the first digest over it does.
unsigned TouchEveryPage(ByteBuffer buffer)
{
    unsigned sum = 0;
    for (int32_t at = 0; at < ByteBufferLength(buffer); at += 4096)
        sum += ByteBufferContent(buffer)[at];
    return sum;
}

// The same content read the plain way, into a heap block of its own.
void ReadIntoFreshHeapBlock(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    void* block = HeapAlloc(GetProcessHeap(), 0, static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    ReadFile(file, block, static_cast<DWORD>(size.QuadPart), &got, nullptr);
    CloseHandle(file);
    HeapFree(GetProcessHeap(), 0, block);
}

// Where a file report's time goes, without the window: the first read and
// first pass over its pages, six more reads that take the view it gave
// back, the whole report, and for comparison a plain read into fresh memory.
void MeasureStages(const std::string& path, int runs, FILE* out)
{
    unsigned touched = 0;
    for (int run = 0; run < runs; ++run) {
        ReleaseSpareBlocks();
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        ByteBuffer first = ReadWholeFile(path.c_str());
        touched += TouchEveryPage(first);
        ReleaseBlock(first);
        std::fprintf(out, "cold-read %.1f\n", Since(start));
        QueryPerformanceCounter(&start);
        for (int read = 0; read < 6; ++read) {
            ByteBuffer again = ReadWholeFile(path.c_str());
            touched += TouchEveryPage(again);
            ReleaseBlock(again);
        }
        std::fprintf(out, "warm-reads %.1f\n", Since(start));
        ReleaseSpareBlocks();
        QueryPerformanceCounter(&start);
        FileReadOutcome failure;
        ReleaseBlock(BuildFileReport(path.c_str(), &failure));
        ReleaseSpareBlocks();
        std::fprintf(out, "report %.1f\n", Since(start));
        QueryPerformanceCounter(&start);
        ReadIntoFreshHeapBlock(path);
        std::fprintf(out, "heap-read %.1f\n", Since(start));
    }
    std::fprintf(out, "touched %u\n", touched);
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
    const std::string floorProgram = argc > 5 ? argv[5] : "";
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
    const PROCESS_MEMORY_COUNTERS start = MemoryOf(program);
    std::fprintf(out, "before %zu\n", static_cast<size_t>(start.WorkingSetSize));
    std::fprintf(out, "peak-before %zu\n", static_cast<size_t>(start.PeakWorkingSetSize));

    for (int run = 0; run < runs; ++run) {
        if (!floorProgram.empty())
            std::fprintf(out, "floor %.1f\n", RunFloorOnce(floorProgram, path, std::string(argv[4]) + ".floor"));
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
