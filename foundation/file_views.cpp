#include "foundation/file_views.h"

namespace {

struct FileView {
    ByteBufferBlock* block;  // the header, in the last bytes before the view
    void* headerRegion;      // the reservation that holds the header
    const void* view;
    HANDLE file;
    BY_HANDLE_FILE_INFORMATION identity;
    bool spare;
};

constexpr int ViewCapacity = 8;
FileView views[ViewCapacity];

bool SameFile(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b)
{
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow && a.nFileSizeHigh == b.nFileSizeHigh &&
           a.nFileSizeLow == b.nFileSizeLow && a.ftLastWriteTime.dwLowDateTime == b.ftLastWriteTime.dwLowDateTime &&
           a.ftLastWriteTime.dwHighDateTime == b.ftLastWriteTime.dwHighDateTime;
}

void Close(FileView& entry)
{
    UnmapViewOfFile(entry.view);
    VirtualFree(entry.headerRegion, 0, MEM_RELEASE);
    CloseHandle(entry.file);
    entry = {};
}

// A view of a file on removable or network media turns a read error into
// a fault in whoever touches the bytes; such files are read instead.
bool OnFixedVolume(Text path)
{
    char root[MAX_PATH + 1];
    if (!GetVolumePathNameA(path, root, sizeof root))
        return false;
    const UINT type = GetDriveTypeA(root);
    return type == DRIVE_FIXED || type == DRIVE_RAMDISK;
}

// The view goes right after one committed page of a reservation of its own,
// so that the header sits just before the first byte of content.
const void* PlaceView(HANDLE mapping, int32_t size, void** headerRegion)
{
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const SIZE_T granularity = system.dwAllocationGranularity;
    for (int attempt = 0; attempt < 4; ++attempt) {
        auto* hole = static_cast<char*>(
            VirtualAlloc(nullptr, granularity + static_cast<SIZE_T>(size), MEM_RESERVE, PAGE_NOACCESS));
        if (!hole)
            return nullptr;
        VirtualFree(hole, 0, MEM_RELEASE);
        // Another thread may take the hole in between; then try again.
        void* region = VirtualAlloc(hole, granularity, MEM_RESERVE, PAGE_NOACCESS);
        if (region == hole &&
            VirtualAlloc(hole + granularity - system.dwPageSize, system.dwPageSize, MEM_COMMIT, PAGE_READWRITE)) {
            if (const void* view = MapViewOfFileEx(mapping, FILE_MAP_READ, 0, 0, static_cast<SIZE_T>(size),
                                                   hole + granularity)) {
                *headerRegion = region;
                return view;
            }
        }
        if (region)
            VirtualFree(region, 0, MEM_RELEASE);
    }
    return nullptr;
}

FileView* FreeEntry()
{
    for (FileView& entry : views)
        if (!entry.block)
            return &entry;
    return nullptr;
}

}

ByteBuffer ViewFileContent(Text path, HANDLE file, int32_t size)
{
    BY_HANDLE_FILE_INFORMATION identity{};
    if (size <= 0 || !GetFileInformationByHandle(file, &identity))
        return nullptr;
    for (FileView& entry : views)
        if (entry.block && entry.spare && SameFile(entry.identity, identity)) {
            entry.spare = false;
            CloseHandle(file);
            return entry.block;
        }

    FileView* entry = FreeEntry();
    if (!entry || !OnFixedVolume(path))
        return nullptr;
    HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!mapping)
        return nullptr;
    void* headerRegion = nullptr;
    const void* view = PlaceView(mapping, size, &headerRegion);
    // The view keeps the mapping alive by itself.
    CloseHandle(mapping);
    if (!view)
        return nullptr;

    auto* block = reinterpret_cast<ByteBufferBlock*>(
        const_cast<unsigned char*>(static_cast<const unsigned char*>(view)) - ByteBufferHeaderSize);
    block->marker = ByteBufferMarker;
    block->length = size;
    *entry = {block, headerRegion, view, file, identity, false};
    return block;
}

bool ReleaseFileView(const void* block)
{
    for (FileView& entry : views) {
        if (entry.block != block || !block)
            continue;
        if (!entry.spare) {
            // One spare at a time: the file most recently given back.
            for (FileView& other : views)
                if (other.block && other.spare)
                    Close(other);
            entry.spare = true;
        }
        return true;
    }
    return false;
}

void ReleaseSpareFileViews()
{
    for (FileView& entry : views)
        if (entry.block && entry.spare)
            Close(entry);
}

size_t FileViewCount()
{
    size_t count = 0;
    for (const FileView& entry : views)
        count += entry.block ? 1 : 0;
    return count;
}
