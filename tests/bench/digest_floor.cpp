// The floor of the benchmark: the seven digests of bytes already in memory,
// through the platform's provider, one call each. Nothing cheaper can make
// a report of this design.
//   digest_floor <file> <runs> <output file>   writes the milliseconds of each run
// The provider is loaded once before the first run, as it is in the running
// program by the time a report is measured.
#include <windows.h>
#include <wincrypt.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    const int runs = std::atoi(argv[2]);
    HANDLE file = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    std::vector<BYTE> content(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &got, nullptr);
    CloseHandle(file);

    const ALG_ID algorithms[] = {CALG_MD5, CALG_SHA1, CALG_MD2, CALG_MD4, CALG_SHA_256, CALG_SHA_384, CALG_SHA_512};
    HCRYPTPROV warmUp = 0;
    CryptAcquireContextA(&warmUp, "", "", PROV_RSA_AES, CRYPT_VERIFYCONTEXT);
    CryptReleaseContext(warmUp, 0);

    FILE* out = std::fopen(argv[3], "w");
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int run = 0; run < runs; ++run) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        for (ALG_ID algorithm : algorithms) {
            HCRYPTPROV provider = 0;
            HCRYPTHASH hash = 0;
            CryptAcquireContextA(&provider, "", "", PROV_RSA_AES, CRYPT_VERIFYCONTEXT);
            CryptCreateHash(provider, algorithm, 0, 0, &hash);
            CryptHashData(hash, content.data(), got, 0);
            BYTE digest[64];
            DWORD length = sizeof digest;
            CryptGetHashParam(hash, HP_HASHVAL, digest, &length, 0);
            CryptDestroyHash(hash);
            CryptReleaseContext(provider, 0);
        }
        QueryPerformanceCounter(&end);
        std::fprintf(out, "run %.1f\n", 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                                           static_cast<double>(frequency.QuadPart));
    }
    std::fclose(out);
    return 0;
}
