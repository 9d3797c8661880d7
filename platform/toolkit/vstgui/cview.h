#pragma once

#include "cbaseobject.h"
#include "cbuttonstate.h"
#include "cgeometry.h"

#include <cstdint>
#include <map>
#include <vector>

namespace VSTGUI {

class CBitmap;
class CDrawContext;
class CFrame;
class CViewContainer;

using CViewAttributeID = uint32_t;
// The tooltip text of a view (NUL-terminated UTF-8), id "cvtt".
constexpr CViewAttributeID kCViewTooltipAttribute =
    (uint32_t('c') << 24) | (uint32_t('v') << 16) | (uint32_t('t') << 8) | uint32_t('t');

// A rectangle on screen that draws itself and takes mouse, wheel and key
// events. Its view size is in the coordinates of its parent container, and
// so are the points its event handlers receive.
class CView : public CBaseObject {
public:
    explicit CView(const CRect& size);
    ~CView() override;

    virtual void draw(CDrawContext* context);
    // Draws when the view intersects updateRect (parent coordinates).
    virtual void drawRect(CDrawContext* context, const CRect& updateRect);

    virtual bool hitTest(const CPoint& where, const CButtonState& buttons = CButtonState());
    virtual CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons);
    // Positive distance = wheel turned away from the user. True when used.
    virtual bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons);
    // 1 when handled, -1 when not. Keys go to the frame's focus view.
    virtual int32_t onKeyDown(VstKeyCode& key);
    virtual int32_t onKeyUp(VstKeyCode& key);
    // Called by the frame when the view gains or loses the keyboard focus.
    virtual void takeFocus() {}
    virtual void looseFocus() {}

    virtual void setViewSize(const CRect& rect, bool invalidate = true);
    const CRect& getViewSize() const { return size_; }
    CCoord getWidth() const { return size_.getWidth(); }
    CCoord getHeight() const { return size_.getHeight(); }
    virtual void setMouseableArea(const CRect& rect) { mouseableArea_ = rect; }
    const CRect& getMouseableArea() const { return mouseableArea_; }

    // Asks for a redraw of the whole view or a part (parent coordinates).
    virtual void invalid() { invalidRect(size_); }
    virtual void invalidRect(const CRect& rect);
    void setDirty(bool dirty = true) { dirty_ = dirty; }
    bool isDirty() const { return dirty_; }

    void setVisible(bool visible);
    bool isVisible() const { return visible_; }
    void setMouseEnabled(bool enabled) { mouseEnabled_ = enabled; }
    bool getMouseEnabled() const { return mouseEnabled_; }

    // Opaque attributes by id; the tooltip is one of them.
    bool setAttribute(CViewAttributeID id, uint32_t size, const void* data);
    bool getAttributeSize(CViewAttributeID id, uint32_t& size) const;
    bool getAttribute(CViewAttributeID id, uint32_t inSize, void* data, uint32_t& outSize) const;
    bool removeAttribute(CViewAttributeID id);
    // Stores text as the tooltip attribute; null or "" removes it.
    void setTooltipText(const char* text);

    // Background bitmap (a reference is kept); null clears it.
    virtual void setBackground(CBitmap* background);
    CBitmap* getBackground() const { return background_; }

    CViewContainer* getParentView() const { return parent_; }
    virtual CFrame* getFrame() const;
    bool isAttached() const { return parent_ != nullptr; }
    // Called by the container that takes or releases the view.
    virtual bool attached(CViewContainer* parent);
    virtual bool removed(CViewContainer* parent);

    // Converts between this view's parent coordinates and the frame's
    // window coordinates (through every container offset and the zoom).
    CPoint& localToFrame(CPoint& point) const;
    CPoint& frameToLocal(CPoint& point) const;

private:
    CRect size_;
    CRect mouseableArea_;
    CViewContainer* parent_ = nullptr;
    CBitmap* background_ = nullptr;
    std::map<CViewAttributeID, std::vector<uint8_t>> attributes_;
    bool dirty_ = false;
    bool visible_ = true;
    bool mouseEnabled_ = true;
};

}  // namespace VSTGUI
