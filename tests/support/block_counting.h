// Runs the code under test on a private heap, so that every block it leaves
// behind can be counted.
#pragma once
#include <cstddef>
#include <windows.h>

class PrivateBlockHeap {
public:
    // maximumSize 0: a growable heap; otherwise requests beyond it fail.
    explicit PrivateBlockHeap(size_t maximumSize = 0);
    ~PrivateBlockHeap();
    PrivateBlockHeap(const PrivateBlockHeap&) = delete;
    PrivateBlockHeap& operator=(const PrivateBlockHeap&) = delete;

    size_t BlocksInUse() const;
    HANDLE Handle() const { return heap; }

private:
    HANDLE heap;
    HANDLE previous;
};
