#include "foundation/whole_file_read.h"

#include "foundation/block_memory.h"
#include "foundation/byte_buffer_operations.h"
#include "foundation/file_views.h"
#include "foundation/text_operations.h"

#include <windows.h>

namespace {

// SetFilePointer without a high part fails for a size beyond 32 bits; the
// exact size then tells a huge file from a broken one.
FileReadOutcome OutcomeOfUnmeasurableFile(HANDLE file)
{
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart > LongestByteBuffer)
        return FileReadOutcome::TooLarge;
    return FileReadOutcome::Unreadable;
}

ByteBuffer Finish(HANDLE file, FileReadOutcome result, FileReadOutcome* outcome)
{
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (outcome)
        *outcome = result;
    return nullptr;
}

}

ByteBuffer ReadWholeFile(Text path, FileReadOutcome* outcome)
{
    if (TextLength(path) == 0)
        return Finish(INVALID_HANDLE_VALUE, FileReadOutcome::Unreadable, outcome);

    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, &inheritable, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Finish(file, FileReadOutcome::Unreadable, outcome);

    const DWORD noted = SetFilePointer(file, 0, nullptr, FILE_CURRENT);
    const DWORD end = noted == INVALID_SET_FILE_POINTER
                          ? INVALID_SET_FILE_POINTER
                          : SetFilePointer(file, 0, nullptr, FILE_END);
    if (end == INVALID_SET_FILE_POINTER ||
        SetFilePointer(file, static_cast<LONG>(noted), nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return Finish(file, OutcomeOfUnmeasurableFile(file), outcome);

    // Some platforms (Wine among them) let SetFilePointer without a high part
    // wrap instead of failing; a size that wrapped must not be read as small.
    LARGE_INTEGER exactSize{};
    if (GetFileSizeEx(file, &exactSize) && exactSize.QuadPart != static_cast<LONGLONG>(end))
        return Finish(file, exactSize.QuadPart > LongestByteBuffer ? FileReadOutcome::TooLarge
                                                                   : FileReadOutcome::Unreadable,
                      outcome);

    const auto size = static_cast<int32_t>(end);
    if (size < 0)
        return Finish(file, FileReadOutcome::TooLarge, outcome);
    if (size == 0)
        return Finish(file, FileReadOutcome::Read, outcome);

    if (size >= SmallestViewedFile)
        if (ByteBuffer viewed = ViewFileContent(path, file, size)) {
            if (outcome)
                *outcome = FileReadOutcome::Read;
            return viewed;
        }

    // The content goes straight into the result, so it is held only once.
    ByteBufferBlock* content = TryAllocateByteBuffer(size);
    if (!content)
        return Finish(file, FileReadOutcome::TooLarge, outcome);

    // One request for the whole size; the loop only continues a read that
    // the platform cut short, as it may for requests near 2 GiB.
    unsigned char* into = WritableContent(content);
    int32_t arrived = 0;
    while (arrived < size) {
        DWORD got = 0;
        if (!ReadFile(file, into + arrived, static_cast<DWORD>(size - arrived), &got, nullptr)) {
            ReleaseBlock(content);
            return Finish(file, FileReadOutcome::Unreadable, outcome);
        }
        if (got == 0)
            break;
        arrived += static_cast<int32_t>(got);
    }
    Finish(file, FileReadOutcome::Read, outcome);
    if (arrived == 0) {
        ReleaseBlock(content);
        return nullptr;
    }
    content->length = arrived;
    return content;
}
