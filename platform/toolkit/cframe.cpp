#include "vstgui/cframe.h"

#include "vstgui/cdrawcontext.h"

namespace VSTGUI {

CFrame::CFrame(const CRect& size, VSTGUIEditorInterface* editor)
    : CViewContainer(CRect(0, 0, size.getWidth(), size.getHeight())),
      editor_(editor),
      unzoomedSize_(0, 0, size.getWidth(), size.getHeight()) {}

CFrame::~CFrame() {
    removeAll(true);
    delete platformFrame_;
}

bool CFrame::open(void* parent, PlatformType type) {
    if (platformFrame_)
        return false;
    PlatformFrameFactory factory = getPlatformFrameFactory(type);
    if (!factory)
        return false;
    platformFrame_ = factory(this, getViewSize(), parent);
    return platformFrame_ != nullptr;
}

void CFrame::close() {
    removeAll(true);
    delete platformFrame_;
    platformFrame_ = nullptr;
    forget();
}

bool CFrame::setZoom(double zoom) {
    if (!(zoom > 0.0))
        return false;
    CRect unzoomed = unzoomedSize_;
    zoom_ = zoom;
    transform_ = CGraphicsTransform::scale(zoom, zoom);
    setSize(unzoomed.getWidth() * zoom, unzoomed.getHeight() * zoom);
    invalid();
    return true;
}

void CFrame::setTransform(const CGraphicsTransform& transform) {
    transform_ = transform;
    zoom_ = transform.m11;
    unzoomedSize_ = transform_.inverse().transform(getViewSize());
    invalid();
}

bool CFrame::setSize(CCoord width, CCoord height) {
    if (width <= 0.0 || height <= 0.0)
        return false;
    setViewSize(CRect(0, 0, width, height));
    return true;
}

void CFrame::setViewSize(const CRect& rect, bool invalidate) {
    CViewContainer::setViewSize(rect, invalidate);
    unzoomedSize_ = transform_.inverse().transform(rect);
    if (platformFrame_)
        platformFrame_->setSize(rect);
}

CRect CFrame::getLocalBounds() const {
    return unzoomedSize_;
}

bool CFrame::getCurrentMouseLocation(CPoint& where) const {
    return platformFrame_ && platformFrame_->getCurrentMousePosition(where);
}

CButtonState CFrame::getCurrentMouseButtons() const {
    CButtonState buttons;
    if (platformFrame_)
        platformFrame_->getCurrentMouseButtons(buttons);
    return buttons;
}

void CFrame::setFocusView(CView* view) {
    CView* previous = focusView_;
    if (previous == view)
        return;
    focusView_ = view;
    if (previous)
        previous->looseFocus();
    if (view && focusView_ == view)
        view->takeFocus();
}

// Drops the focus and modal views that lie inside a view about to leave its
// container (they stay alive, but no longer belong to this frame).
void CFrame::onViewRemoved(CView* view) {
    auto inside = [view](CView* candidate) {
        for (CView* v = candidate; v; v = v->getParentView()) {
            if (v == view)
                return true;
        }
        return false;
    };
    if (modalView_ && inside(modalView_))
        modalView_ = nullptr;
    if (focusView_ && inside(focusView_))
        setFocusView(nullptr);
}

void CFrame::showTooltip(const CRect& rect, const char* text) {
    if (platformFrame_)
        platformFrame_->showTooltip(rect, text);
}

void CFrame::hideTooltip() {
    if (platformFrame_)
        platformFrame_->hideTooltip();
}

void CFrame::invalidRect(const CRect& rect) {
    setDirty(true);
    if (platformFrame_)
        platformFrame_->invalidRect(rect);
}

CMouseEventResult CFrame::onMouseDown(CPoint& where, const CButtonState& buttons) {
    // A click outside the field being edited ends the editing.
    if (focusView_) {
        CPoint inFocusParent = where;
        focusView_->frameToLocal(inFocusParent);
        if (!focusView_->getViewSize().pointInside(inFocusParent))
            setFocusView(nullptr);
    }
    return CViewContainer::onMouseDown(where, buttons);
}

CMouseEventResult CFrame::onMouseUp(CPoint& where, const CButtonState& buttons) {
    return CViewContainer::onMouseUp(where, buttons);
}

CMouseEventResult CFrame::onMouseMoved(CPoint& where, const CButtonState& buttons) {
    return CViewContainer::onMouseMoved(where, buttons);
}

CMouseEventResult CFrame::onMouseExited(CPoint& where, const CButtonState& buttons) {
    return CViewContainer::onMouseExited(where, buttons);
}

bool CFrame::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) {
    if (modalView_) {
        CPoint point = where;
        modalView_->frameToLocal(point);
        return modalView_->onWheel(point, distance, buttons);
    }
    return CViewContainer::onWheel(where, distance, buttons);
}

int32_t CFrame::onKeyDown(VstKeyCode& key) {
    return focusView_ ? focusView_->onKeyDown(key) : -1;
}

int32_t CFrame::onKeyUp(VstKeyCode& key) {
    return focusView_ ? focusView_->onKeyUp(key) : -1;
}

void CFrame::platformDrawRect(CDrawContext* context, const CRect& rect) {
    drawRect(context, rect);
}

CMouseEventResult CFrame::platformOnMouseDown(CPoint& where, const CButtonState& buttons) {
    return onMouseDown(where, buttons);
}

CMouseEventResult CFrame::platformOnMouseMoved(CPoint& where, const CButtonState& buttons) {
    return onMouseMoved(where, buttons);
}

CMouseEventResult CFrame::platformOnMouseUp(CPoint& where, const CButtonState& buttons) {
    return onMouseUp(where, buttons);
}

CMouseEventResult CFrame::platformOnMouseExited(CPoint& where, const CButtonState& buttons) {
    return onMouseExited(where, buttons);
}

bool CFrame::platformOnMouseWheel(const CPoint& where, float distance, const CButtonState& buttons) {
    return onWheel(where, distance, buttons);
}

bool CFrame::platformOnKeyDown(VstKeyCode& key) {
    return onKeyDown(key) == 1;
}

bool CFrame::platformOnKeyUp(VstKeyCode& key) {
    return onKeyUp(key) == 1;
}

void CFrame::platformOnWindowClosed() {
    if (editor_)
        editor_->onWindowClosed();
}

}  // namespace VSTGUI
