// Published digests used by several tests, upper case as the report shows them.
#pragma once

constexpr const char* EmptyMd5 = "D41D8CD98F00B204E9800998ECF8427E";
constexpr const char* EmptySha1 = "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709";
constexpr const char* EmptyMd2 = "8350E5A3E24C153DF2275C9F80692773";
constexpr const char* EmptyMd4 = "31D6CFE0D16AE931B73C59D7E0C089C0";
constexpr const char* EmptySha256 = "E3B0C44298FC1C149AFBF4C8996FB92427AE41E4649B934CA495991B7852B855";
constexpr const char* EmptySha384 =
    "38B060A751AC96384CD9327EB1B1E36A21FDB71114BE07434C0CC7BF63F6E1DA274EDEBFE76F65FBD51AD2F14898B95B";
constexpr const char* EmptySha512 =
    "CF83E1357EEFB8BDF1542850D66D8007D620E4050B5715DC83F4A921D36CE9CE47D0D13C5D85F2B0FF8318D2877EEC2F"
    "63B931BD47417A81A538327AF927DA3E";

constexpr const char* AbcMd5 = "900150983CD24FB0D6963F7D28E17F72";
constexpr const char* AbcSha1 = "A9993E364706816ABA3E25717850C26C9CD0D89D";
constexpr const char* AbcMd2 = "DA853B0D3F88D99B30283A69E6DED6BB";
constexpr const char* AbcMd4 = "A448017AAF21D8525FC10AE87AA6729D";
constexpr const char* AbcSha256 = "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD";
constexpr const char* AbcSha384 =
    "CB00753F45A35E8BB5A03D699AC65007272C32AB0EDED1631A8B605A43FF5BED8086072BA1E7CC2358BAECA134C825A7";
constexpr const char* AbcSha512 =
    "DDAF35A193617ABACC417349AE20413112E6FA4E89A97EA20A9EEEE64B55D39A2192992A274FC1A836BA3C23A3FEEBBD"
    "454D4423643CE80E2A9AC94FA54CA49F";

#include <string>

// The report exactly as the report box shows it.
inline std::string ExpectedReport(const char* md5, const char* sha1, const char* md2, const char* md4,
                                  const char* sha256, const char* sha384, const char* sha512)
{
    return std::string("MD5:") + md5 + "\r\n\r\nSHA1:" + sha1 + "\r\n\r\nMD2:" + md2 + "\r\n\r\nMD4:" + md4 +
           "\r\n\r\nSHA256:" + sha256 + "\r\n\r\nSHA384:" + sha384 + "\r\n\r\nSHA512:" + sha512;
}

inline std::string EmptyMessageReport()
{
    return ExpectedReport(EmptyMd5, EmptySha1, EmptyMd2, EmptyMd4, EmptySha256, EmptySha384, EmptySha512);
}

inline std::string AbcReport()
{
    return ExpectedReport(AbcMd5, AbcSha1, AbcMd2, AbcMd4, AbcSha256, AbcSha384, AbcSha512);
}
