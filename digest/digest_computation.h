// One digest of a byte buffer through the platform's cryptographic provider.
#pragma once
#include "foundation/values.h"

#include <cstdint>

// 1 MD5, 2 MD2, 3 MD4, 4 SHA1, 5 SHA256, 6 SHA384, 7 SHA512; 0 means MD5 too.
using DigestAlgorithm = int16_t;

// Upper-case hexadecimal digest text; empty for a code outside 0 to 7 and
// for a digest the provider could not make.
Text ComputeDigestText(ByteBuffer input, DigestAlgorithm algorithm);

// Two upper-case hexadecimal digits per byte, in order, nothing else.
Text BytesToHexText(ByteBuffer bytes);
