#include "AAX_FourCC.h"

void AAX_FourCCToString(AAX_CTypeID code, char out[5]) {
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<char>((code >> (24 - 8 * i)) & 0xFFu);
    }
    out[4] = '\0';
}
