#pragma once

#include "vstgui/cbitmap.h"

#include <cstdint>

namespace Brackenworks {

// A toolkit bitmap that decodes its embedded image on first use: the first
// size query or draw loads it, once, whether or not decoding succeeds. An
// id without an image gives a blank 400 x 350-pixel bitmap.
class CHRXBitmap : public VSTGUI::CBitmap {
public:
    explicit CHRXBitmap(uint32_t resourceId);
    ~CHRXBitmap() override = default;

    uint32_t getResourceId() const { return resourceId_; }
    bool isLoadAttempted() const { return loadAttempted_; }

    VSTGUI::CCoord getWidth() const override;
    VSTGUI::CCoord getHeight() const override;
    void draw(VSTGUI::CDrawContext* context, const VSTGUI::CRect& destination,
              const VSTGUI::CPoint& offset = VSTGUI::CPoint(0, 0), float alpha = 1.0f) override;
    void load() const;

private:
    uint32_t resourceId_;
    mutable bool loadAttempted_ = false;
};

}  // namespace Brackenworks
