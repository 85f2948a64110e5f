#include "digest/digest_computation.h"

#include "foundation/block_memory.h"
#include "foundation/byte_buffer_operations.h"
#include "foundation/platform_binding.h"
#include "foundation/text_operations.h"

#include <windows.h>
#include <wincrypt.h>

namespace {

constexpr ALG_ID ProviderAlgorithms[] = {
    CALG_MD5, CALG_MD5, CALG_MD2, CALG_MD4, CALG_SHA1, CALG_SHA_256, CALG_SHA_384, CALG_SHA_512,
};

}

Text ComputeDigestText(ByteBuffer input, DigestAlgorithm algorithm)
{
    if (algorithm < 0 || algorithm > 7)
        return nullptr;

    // Every step runs once, in order, whatever the previous one returned:
    // handles and size start at 0, so a failed step makes the rest harmless.
    HCRYPTPROV provider = 0;
    HCRYPTHASH hash = 0;
    DWORD digestSize = 0;
    BoundPlatformFunction<AcquireContextEntry>()(&provider, "", "", PROV_RSA_AES, CRYPT_VERIFYCONTEXT);
    BoundPlatformFunction<CreateHashEntry>()(provider, ProviderAlgorithms[algorithm], 0, 0, &hash);
    const DWORD inputLength = static_cast<DWORD>(ByteBufferLength(input));
    BoundPlatformFunction<HashDataEntry>()(hash, inputLength ? ByteBufferContent(input) : nullptr,
                                           inputLength, 0);
    BoundPlatformFunction<HashSizeQueryEntry>()(hash, HP_HASHVAL, nullptr, &digestSize, 0);
    ByteBuffer digest = ZeroFilledBytes(static_cast<int32_t>(digestSize));
    BoundPlatformFunction<HashValueFetchEntry>()(
        hash, HP_HASHVAL, const_cast<BYTE*>(ByteBufferContent(digest)), &digestSize, 0);
    BoundPlatformFunction<DestroyHashEntry>()(hash);
    BoundPlatformFunction<ReleaseContextEntry>()(provider, 0);

    Text hex = BytesToHexText(digest);
    ReleaseBlock(digest);
    return hex;
}

Text BytesToHexText(ByteBuffer bytes)
{
    const int32_t length = ByteBufferLength(bytes);
    if (length == 0)
        return nullptr;
    Text hex = ConcatText({""});
    for (int32_t position = 1; position <= length; ++position) {
        Text digits = IntegerToHexText(ByteValueAt(bytes, position));
        Text joined = ConcatText({hex, TextLength(digits) == 1 ? "0" : "", digits});
        ReleaseBlock(digits);
        ReleaseBlock(hex);
        hex = joined;
    }
    return hex;
}
