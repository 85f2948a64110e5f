// The labelled seven-digest report shown in the report box.
#pragma once
#include "foundation/values.h"

// Yields a fresh buffer holding the input each time it is called; the
// context lets a caller count calls or note a failed read.
struct ContentFetch {
    ByteBuffer (*fetch)(void* context);
    void* context;
};

// Calls fetch once per section in report order (MD5, SHA1, MD2, MD4,
// SHA256, SHA384, SHA512), releasing each buffer after its digest.
Text BuildDigestReport(ContentFetch fetch);
