#pragma once

#include "HRXBitmap.h"
#include "HRXFont.h"

#include <cstdint>

// The bitmaps and fonts every editor shares. They exist from library load
// to library unload; no image is decoded before its first use.

// The library-wide wrapper of an embedded image id; null for other ids.
HRXBitmap* getLibraryBitmap(uint32_t resourceId);

// "Arial" 12: pop-up menu item text, about box version and programme lines.
HRXFont* getFontArial12();
// "Arial" 10: about box last line, small pop-up menu texts.
HRXFont* getFontArial10();
// "Arial" 10, a second instance: plug-in information text of the
// configuration menu.
HRXFont* getFontArial10Info();
// "Arial" 14: preset bar texts, menu buttons and headings.
HRXFont* getFontArial14();
// "Comic Sans MS" 32: text on the preset designer picture area.
HRXFont* getFontComic32();
