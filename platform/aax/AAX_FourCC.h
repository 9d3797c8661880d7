#pragma once

#include "AAX.h"

// Four-character codes: the first character is the most significant byte, so
// 'HVTN' is 0x4856544E and lies in (little-endian) memory as "NTVH".
constexpr AAX_CTypeID AAX_FourCC(const char (&code)[5]) {
    return (static_cast<AAX_CTypeID>(static_cast<unsigned char>(code[0])) << 24) |
           (static_cast<AAX_CTypeID>(static_cast<unsigned char>(code[1])) << 16) |
           (static_cast<AAX_CTypeID>(static_cast<unsigned char>(code[2])) << 8) |
           static_cast<AAX_CTypeID>(static_cast<unsigned char>(code[3]));
}

// Writes the code most significant character first plus a NUL into out[5].
void AAX_FourCCToString(AAX_CTypeID code, char out[5]);

// The code whose little-endian memory bytes are the four given characters
// ("Actm" in memory is the code 'mtcA').
constexpr AAX_CTypeID AAX_FourCCFromMemoryBytes(const char (&bytes)[5]) {
    return static_cast<AAX_CTypeID>(static_cast<unsigned char>(bytes[0])) |
           (static_cast<AAX_CTypeID>(static_cast<unsigned char>(bytes[1])) << 8) |
           (static_cast<AAX_CTypeID>(static_cast<unsigned char>(bytes[2])) << 16) |
           (static_cast<AAX_CTypeID>(static_cast<unsigned char>(bytes[3])) << 24);
}
