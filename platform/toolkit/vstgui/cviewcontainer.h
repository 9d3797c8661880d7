#pragma once

#include "ccolor.h"
#include "cview.h"

#include <vector>

namespace VSTGUI {

// A view holding child views, drawn in order (later ones on top). Children
// use coordinates relative to the container's top-left corner. Events go to
// the topmost visible, mouse-enabled child under the point; a child that
// answers "not handled" passes the event on to the children beneath it.
// A child that handles a mouse-down receives the moves and the mouse-up
// that follow, wherever they land.
class CViewContainer : public CView {
public:
    explicit CViewContainer(const CRect& size);
    ~CViewContainer() override;

    // Takes over the caller's reference to the view.
    virtual bool addView(CView* view);
    virtual bool addView(CView* view, CView* before);
    // Detaches the view; withForget drops the container's reference.
    virtual bool removeView(CView* view, bool withForget = true);
    virtual bool removeAll(bool withForget = true);
    bool isChild(CView* view) const;
    uint32_t getNbViews() const { return static_cast<uint32_t>(children_.size()); }
    CView* getView(uint32_t index) const { return index < children_.size() ? children_[index] : nullptr; }

    void setBackgroundColor(const CColor& color);
    const CColor& getBackgroundColor() const { return backgroundColor_; }

    // Topmost view at a point in child coordinates; deep descends into
    // containers and answers the innermost view (not a container).
    CView* getViewAt(const CPoint& where, bool deep = false) const;
    CView* getMouseDownView() const { return mouseDownView_; }

    // The transform from child coordinates to this view's parent
    // coordinates (a translation by the container's origin).
    virtual CGraphicsTransform getChildTransform() const;
    // This container's own area in child coordinates.
    virtual CRect getLocalBounds() const;

    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    // Draws background colour and bitmap over the local bounds.
    virtual void drawBackgroundRect(CDrawContext* context, const CRect& localRect);

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;
    bool removed(CViewContainer* parent) override;

protected:
    CPoint toLocal(const CPoint& where) const { return getChildTransform().inverse().transform(where); }

private:
    std::vector<CView*> children_;
    CView* mouseDownView_ = nullptr;
    CView* mouseOverView_ = nullptr;
    CColor backgroundColor_ = kTransparentCColor;
};

}  // namespace VSTGUI
