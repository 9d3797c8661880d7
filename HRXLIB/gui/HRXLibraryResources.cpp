#include "HRXLibraryResources.h"

#include "CHRXBitmapWrapper.h"
#include "CHRXFontWrapper.h"
#include "HRXResourceIds.h"

#include <cstddef>

namespace {

constexpr uint32_t kLibraryBitmapIds[] = {
    kHRXBitmapBackground,     kHRXBitmapProcessSwitch, kHRXBitmapAttackRatioKnob, kHRXBitmapValveLevelKnob,
    kHRXBitmapVuFaceLit,      kHRXBitmapVuSecond,      kHRXBitmapVuFaceUnlit,     kHRXBitmapCompressionKnob,
    kHRXBitmapTimeKnob,       kHRXBitmapOutputKnob,    kHRXBitmapRatioKnob,       kHRXBitmapAbout,
    kHRXBitmapPresetDesigner,
};
constexpr size_t kLibraryBitmapCount = sizeof(kLibraryBitmapIds) / sizeof(kLibraryBitmapIds[0]);

// Created at library load, deleted at unload. Wrappers decode nothing until
// first used.
struct LibraryResources {
    Brackenworks::CHRXBitmapWrapper* bitmaps[kLibraryBitmapCount];
    Brackenworks::CHRXFontWrapper* arial12;
    Brackenworks::CHRXFontWrapper* arial10;
    Brackenworks::CHRXFontWrapper* arial10Info;
    Brackenworks::CHRXFontWrapper* arial14;
    Brackenworks::CHRXFontWrapper* comic32;

    LibraryResources() {
        for (size_t i = 0; i < kLibraryBitmapCount; ++i)
            bitmaps[i] = new Brackenworks::CHRXBitmapWrapper(kLibraryBitmapIds[i]);
        arial12 = new Brackenworks::CHRXFontWrapper("Arial", 12.0, 0);
        arial10 = new Brackenworks::CHRXFontWrapper("Arial", 10.0, 0);
        arial10Info = new Brackenworks::CHRXFontWrapper("Arial", 10.0, 0);
        arial14 = new Brackenworks::CHRXFontWrapper("Arial", 14.0, 0);
        comic32 = new Brackenworks::CHRXFontWrapper("Comic Sans MS", 32.0, 0);
    }
    ~LibraryResources() {
        for (auto* bitmap : bitmaps)
            delete bitmap;
        delete arial12;
        delete arial10;
        delete arial10Info;
        delete arial14;
        delete comic32;
    }
    LibraryResources(const LibraryResources&) = delete;
    LibraryResources& operator=(const LibraryResources&) = delete;
};

// Built on first use, and at the latest during static initialisation
// through the reference below, so that the objects exist from library load
// whatever the order in which other initialisers ask for them.
LibraryResources& libraryResources() {
    static LibraryResources resources;
    return resources;
}

[[maybe_unused]] LibraryResources& gLibraryResources = libraryResources();

}  // namespace

HRXBitmap* getLibraryBitmap(uint32_t resourceId) {
    for (size_t i = 0; i < kLibraryBitmapCount; ++i) {
        if (kLibraryBitmapIds[i] == resourceId)
            return libraryResources().bitmaps[i];
    }
    return nullptr;
}

HRXFont* getFontArial12() {
    return libraryResources().arial12;
}

HRXFont* getFontArial10() {
    return libraryResources().arial10;
}

HRXFont* getFontArial10Info() {
    return libraryResources().arial10Info;
}

HRXFont* getFontArial14() {
    return libraryResources().arial14;
}

HRXFont* getFontComic32() {
    return libraryResources().comic32;
}
