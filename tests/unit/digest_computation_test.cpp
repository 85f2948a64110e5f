#include "digest/digest_computation.h"
#include "foundation/block_memory.h"
#include "foundation/byte_buffer_operations.h"
#include "foundation/platform_binding.h"
#include "foundation/text_operations.h"
#include "support/block_counting.h"
#include "support/known_digests.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string DigestOf(const std::string& message, DigestAlgorithm algorithm)
{
    ByteBuffer input = TextToBytes(message.c_str());
    Text digest = ComputeDigestText(input, algorithm);
    std::string result = digest ? digest : "";
    ReleaseBlock(digest);
    ReleaseBlock(input);
    return result;
}

struct Vector {
    DigestAlgorithm algorithm;
    std::string message;
    const char* digest;
};

const std::string Alphabet = "abcdefghijklmnopqrstuvwxyz";
const std::string Alphanumeric = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
const std::string Digits = "12345678901234567890123456789012345678901234567890123456789012345678901234567890";
const std::string Sha1Long = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
const std::string Sha512Long =
    "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrst"
    "nopqrstu";

// RFC 1321 (MD5), 1319 (MD2) and 1320 (MD4) test suites; FIPS 180 examples.
const Vector PublishedVectors[] = {
    {1, "a", "0CC175B9C0F1B6A831C399E269772661"},
    {1, "abc", AbcMd5},
    {1, "message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
    {1, Alphabet, "C3FCD3D76192E4007DFB496CCA67E13B"},
    {1, Alphanumeric, "D174AB98D277D9F5A5611C2C9F419D9F"},
    {1, Digits, "57EDF4A22BE3C955AC49DA2E2107B67A"},
    {2, "a", "32EC01EC4A6DAC72C0AB96FB34C0B5D1"},
    {2, "abc", AbcMd2},
    {2, "message digest", "AB4F496BFB2A530B219FF33031FE06B0"},
    {2, Alphabet, "4E8DDFF3650292AB5A4108C3AA47940B"},
    {2, Alphanumeric, "DA33DEF2A42DF13975352846C30338CD"},
    {2, Digits, "D5976F79D83D3A0DC9806C3C66F3EFD8"},
    {3, "a", "BDE52CB31DE33E46245E05FBDBD6FB24"},
    {3, "abc", AbcMd4},
    {3, "message digest", "D9130A8164549FE818874806E1C7014B"},
    {3, Alphabet, "D79E1C308AA5BBCDEEA8ED63DF412DA9"},
    {3, Alphanumeric, "043F8582F241DB351CE627E153E7F0E4"},
    {3, Digits, "E33B4DDC9C38F2199C3E7B164FCC0536"},
    {4, "abc", AbcSha1},
    {4, Sha1Long, "84983E441C3BD26EBAAE4AA1F95129E5E54670F1"},
    {5, "abc", AbcSha256},
    {5, Sha1Long, "248D6A61D20638B8E5C026930C3E6039A33CE45964FF2167F6ECEDD419DB06C1"},
    {6, "abc", AbcSha384},
    {6, Sha512Long,
     "09330C33F71147E83D192FC782CD1B4753111B173B3B05D22FA08086E3B0F712FCC7C71A557E2DB966C3E9FA91746039"},
    {7, "abc", AbcSha512},
    {7, Sha512Long,
     "8E959B75DAE313DA8CF4F72814FC143F8F7779C6EB9F7FA17299AEADB6889018501D289E4900F7E4331B99DEC4B5433A"
     "C7D329EEB6DD26545E96E55B874BE909"},
    {1, "", EmptyMd5},
    {2, "", EmptyMd2},
    {3, "", EmptyMd4},
    {4, "", EmptySha1},
    {5, "", EmptySha256},
    {6, "", EmptySha384},
    {7, "", EmptySha512},
};

TEST(ComputeDigestTextTest, PublishedVectors)
{
    PrivateBlockHeap heap;
    for (const Vector& v : PublishedVectors)
        EXPECT_EQ(DigestOf(v.message, v.algorithm), v.digest)
            << "algorithm " << v.algorithm << " of \"" << v.message << "\"";
    EXPECT_EQ(heap.BlocksInUse(), 0u);
}

TEST(ComputeDigestTextTest, EmptyBufferKindsAndRenderedLengths)
{
    // The absent buffer and the constant empty buffer are the empty message.
    Text fromAbsent = ComputeDigestText(nullptr, 7);
    Text fromConstant = ComputeDigestText(&EmptyByteBuffer, 7);
    EXPECT_STREQ(fromAbsent, EmptySha512);
    EXPECT_STREQ(fromConstant, EmptySha512);
    ReleaseBlock(fromAbsent);
    ReleaseBlock(fromConstant);

    const int lengths[] = {32, 32, 32, 32, 40, 64, 96, 128};
    for (DigestAlgorithm code = 0; code <= 7; ++code)
        EXPECT_EQ(DigestOf("any text", code).size(), static_cast<size_t>(lengths[code])) << code;
    EXPECT_EQ(DigestOf("abc", 0), AbcMd5);
}

TEST(ComputeDigestTextTest, CodesOutsideTheTableTouchNoProvider)
{
    UnbindPlatformFunctions();
    EXPECT_EQ(DigestOf("abc", 8), "");
    EXPECT_EQ(DigestOf("abc", -1), "");
    for (const PlatformFunctionEntry& entry : PlatformFunctionTable)
        EXPECT_EQ(entry.address, nullptr) << entry.functionName;
}

TEST(BytesToHexTextTest, TwoUpperCaseDigitsPerByteNeverSignExtended)
{
    PrivateBlockHeap heap;
    ByteBuffer bytes = TextToBytes("\x01\x0A\x7F\x80\xFF\xAB");
    Text hex = BytesToHexText(bytes);
    EXPECT_STREQ(hex, "010A7F80FFAB");
    ReleaseBlock(hex);
    ReleaseBlock(bytes);

    ByteBuffer zeros = ZeroFilledBytes(2);
    hex = BytesToHexText(zeros);
    EXPECT_STREQ(hex, "0000");
    ReleaseBlock(hex);
    ReleaseBlock(zeros);

    EXPECT_EQ(TextLength(BytesToHexText(nullptr)), 0);
    EXPECT_EQ(heap.BlocksInUse(), 0u);
}

TEST(PlatformBindingTest, BindsOnFirstUseAndHoldsEachEntrySeparately)
{
    UnbindPlatformFunctions();
    for (const PlatformFunctionEntry& entry : PlatformFunctionTable)
        ASSERT_EQ(entry.address, nullptr);

    DigestOf("abc", 1);
    for (int i = 0; i <= 6; ++i) {
        EXPECT_NE(PlatformFunctionTable[i].address, nullptr) << i;
        EXPECT_EQ(PlatformFunctionTable[i].libraryHandle, GetModuleHandleA("Advapi32.dll")) << i;
    }
    EXPECT_EQ(PlatformFunctionTable[3].address, PlatformFunctionTable[4].address);
    EXPECT_EQ(PlatformFunctionTable[7].address, nullptr);
    EXPECT_EQ(PlatformFunctionTable[8].address, nullptr);

    void* lower = BindPlatformFunction(CharLowerEntry);
    EXPECT_EQ(lower, reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("User32.dll"), "CharLowerA")));
    EXPECT_EQ(PlatformFunctionTable[8].address, nullptr);

    // A bound entry answers from the table without another search.
    HMODULE heldBefore = PlatformFunctionTable[CharLowerEntry].libraryHandle;
    EXPECT_EQ(BindPlatformFunction(CharLowerEntry), lower);
    EXPECT_EQ(PlatformFunctionTable[CharLowerEntry].libraryHandle, heldBefore);

    UnbindPlatformFunctions();
    for (const PlatformFunctionEntry& entry : PlatformFunctionTable) {
        EXPECT_EQ(entry.address, nullptr);
        EXPECT_EQ(entry.libraryHandle, nullptr);
    }
}

TEST(PlatformBindingTest, TableNamesAndSearchOrder)
{
    const char* names[] = {"CryptAcquireContextA", "CryptHashData", "CryptCreateHash", "CryptGetHashParam",
                           "CryptGetHashParam", "CryptDestroyHash", "CryptReleaseContext", "CharLowerA",
                           "CharUpperA"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(PlatformFunctionTable[i].index, i);
        EXPECT_STREQ(PlatformFunctionTable[i].functionName, names[i]);
        EXPECT_STREQ(PlatformFunctionTable[i].libraryName, "");
    }
    const char* order[] = {"Kernel32.dll", "Gdi32.dll", "User32.dll", "Advapi32.dll", "Mpr.dll", "Shell32.dll"};
    for (int i = 0; i < 6; ++i)
        EXPECT_STREQ(LibrarySearchOrder[i], order[i]);
}

}
