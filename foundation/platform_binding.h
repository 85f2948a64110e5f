// The nine platform functions that are bound by name on first use.
#pragma once
#include <windows.h>
#include <wincrypt.h>

#include <cstddef>
#include <tuple>

struct PlatformFunctionEntry {
    int index;
    const char* functionName;
    const char* libraryName;  // empty: searched for in LibrarySearchOrder
    void* address;            // null until bound
    HMODULE libraryHandle;    // held from binding until unbinding
};

enum PlatformFunction : int {
    AcquireContextEntry = 0,
    HashDataEntry = 1,
    CreateHashEntry = 2,
    HashSizeQueryEntry = 3,
    HashValueFetchEntry = 4,
    DestroyHashEntry = 5,
    ReleaseContextEntry = 6,
    CharLowerEntry = 7,
    CharUpperEntry = 8,
};

constexpr size_t PlatformFunctionCount = 9;
extern PlatformFunctionEntry PlatformFunctionTable[PlatformFunctionCount];

constexpr size_t LibrarySearchCount = 6;
extern const char* const LibrarySearchOrder[LibrarySearchCount];

// Each entry's type is the platform's own prototype and calling convention,
// so an unbalanced call cannot compile. Entries 3 and 4 name the same
// function and are bound separately.
using PlatformFunctionTypes = std::tuple<
    decltype(&CryptAcquireContextA),
    decltype(&CryptHashData),
    decltype(&CryptCreateHash),
    decltype(&CryptGetHashParam),
    decltype(&CryptGetHashParam),
    decltype(&CryptDestroyHash),
    decltype(&CryptReleaseContext),
    decltype(&CharLowerA),
    decltype(&CharUpperA)>;
static_assert(std::tuple_size_v<PlatformFunctionTypes> == PlatformFunctionCount);

// The entry's address, bound on first use; a name that no library of the
// search order exports is a fatal error.
void* BindPlatformFunction(int index);

// Binding of one entry, the table's or a caller's own.
void* BindPlatformEntry(PlatformFunctionEntry& entry);

// One FreeLibrary per bound entry, then every entry is unbound.
void UnbindPlatformFunctions();

template <int Index>
auto BoundPlatformFunction()
{
    return reinterpret_cast<std::tuple_element_t<Index, PlatformFunctionTypes>>(
        BindPlatformFunction(Index));
}
