#include "vstgui/cviewcontainer.h"

#include "vstgui/cbitmap.h"
#include "vstgui/cdrawcontext.h"
#include "vstgui/cframe.h"

#include <algorithm>

namespace VSTGUI {

CViewContainer::CViewContainer(const CRect& size) : CView(size) {}

CViewContainer::~CViewContainer() {
    removeAll(true);
}

bool CViewContainer::addView(CView* view) {
    return addView(view, nullptr);
}

bool CViewContainer::addView(CView* view, CView* before) {
    if (!view || view == this || view->isAttached())
        return false;
    auto position = std::find(children_.begin(), children_.end(), before);
    children_.insert(position, view);
    view->attached(this);
    view->invalid();
    return true;
}

bool CViewContainer::removeView(CView* view, bool withForget) {
    auto it = std::find(children_.begin(), children_.end(), view);
    if (it == children_.end())
        return false;
    view->invalid();
    if (CFrame* frame = getFrame())
        frame->onViewRemoved(view);
    if (mouseDownView_ == view)
        mouseDownView_ = nullptr;
    if (mouseOverView_ == view)
        mouseOverView_ = nullptr;
    children_.erase(it);
    view->removed(this);
    if (withForget)
        view->forget();
    return true;
}

bool CViewContainer::removeAll(bool withForget) {
    while (!children_.empty())
        removeView(children_.back(), withForget);
    return true;
}

bool CViewContainer::isChild(CView* view) const {
    return std::find(children_.begin(), children_.end(), view) != children_.end();
}

void CViewContainer::setBackgroundColor(const CColor& color) {
    backgroundColor_ = color;
    invalid();
}

CView* CViewContainer::getViewAt(const CPoint& where, bool deep) const {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        CView* view = *it;
        if (!view->isVisible() || !view->getViewSize().pointInside(where))
            continue;
        if (deep) {
            if (auto* container = dynamic_cast<CViewContainer*>(view)) {
                CPoint local = container->toLocal(where);
                CView* inner = container->getViewAt(local, true);
                if (inner)
                    return inner;
                continue;
            }
        }
        return view;
    }
    return nullptr;
}

CGraphicsTransform CViewContainer::getChildTransform() const {
    CGraphicsTransform t;
    t.dx = getViewSize().left;
    t.dy = getViewSize().top;
    return t;
}

CRect CViewContainer::getLocalBounds() const {
    return CRect(0, 0, getWidth(), getHeight());
}

void CViewContainer::draw(CDrawContext* context) {
    drawRect(context, getViewSize());
}

void CViewContainer::drawRect(CDrawContext* context, const CRect& updateRect) {
    setDirty(false);
    if (!isVisible())
        return;
    CRect area = getViewSize();
    area.bound(updateRect);
    if (area.isEmpty())
        return;
    context->saveGlobalState();
    context->setClipRect(getViewSize());
    {
        CDrawContext::Transform toChildren(*context, getChildTransform());
        CRect localUpdate = getChildTransform().inverse().transform(area);
        drawBackgroundRect(context, getLocalBounds());
        for (CView* child : children_) {
            if (!child->isVisible() || !child->getViewSize().rectOverlap(localUpdate))
                continue;
            context->saveGlobalState();
            context->setClipRect(child->getViewSize());
            child->drawRect(context, localUpdate);
            context->restoreGlobalState();
        }
    }
    context->restoreGlobalState();
}

void CViewContainer::drawBackgroundRect(CDrawContext* context, const CRect& localRect) {
    if (backgroundColor_.alpha > 0) {
        context->setFillColor(backgroundColor_);
        context->drawRect(localRect, kDrawFilled);
    }
    if (getBackground())
        context->drawBitmap(getBackground(), localRect);
}

CMouseEventResult CViewContainer::onMouseDown(CPoint& where, const CButtonState& buttons) {
    CPoint local = toLocal(where);
    // Copy: a handler may add or remove views.
    std::vector<CView*> candidates(children_.rbegin(), children_.rend());
    for (CView* view : candidates) {
        if (!isChild(view) || !view->isVisible() || !view->getMouseEnabled() || !view->hitTest(local, buttons))
            continue;
        CPoint point = local;
        CMouseEventResult result = view->onMouseDown(point, buttons);
        if (result == kMouseEventNotHandled || result == kMouseEventNotImplemented)
            continue;
        if (result == kMouseEventHandled && isChild(view))
            mouseDownView_ = view;
        return result;
    }
    return kMouseEventNotHandled;
}

CMouseEventResult CViewContainer::onMouseUp(CPoint& where, const CButtonState& buttons) {
    CView* view = mouseDownView_;
    mouseDownView_ = nullptr;
    if (!view)
        return kMouseEventNotHandled;
    CPoint point = toLocal(where);
    return view->onMouseUp(point, buttons);
}

CMouseEventResult CViewContainer::onMouseMoved(CPoint& where, const CButtonState& buttons) {
    CPoint local = toLocal(where);
    if (mouseDownView_) {
        CPoint point = local;
        CMouseEventResult result = mouseDownView_->onMouseMoved(point, buttons);
        if (result == kMouseMoveEventHandledButDontNeedMoreEvents)
            mouseDownView_ = nullptr;
        return result;
    }
    CView* over = nullptr;
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        if ((*it)->isVisible() && (*it)->getMouseEnabled() && (*it)->hitTest(local, buttons)) {
            over = *it;
            break;
        }
    }
    if (over != mouseOverView_) {
        CView* previous = mouseOverView_;
        mouseOverView_ = over;
        CPoint point = local;
        if (previous)
            previous->onMouseExited(point, buttons);
        point = local;
        if (over && mouseOverView_ == over)
            over->onMouseEntered(point, buttons);
    }
    if (!mouseOverView_)
        return kMouseEventNotHandled;
    CPoint point = local;
    return mouseOverView_->onMouseMoved(point, buttons);
}

CMouseEventResult CViewContainer::onMouseExited(CPoint& where, const CButtonState& buttons) {
    if (CView* previous = mouseOverView_) {
        mouseOverView_ = nullptr;
        CPoint point = toLocal(where);
        previous->onMouseExited(point, buttons);
    }
    return kMouseEventHandled;
}

bool CViewContainer::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) {
    CPoint local = toLocal(where);
    std::vector<CView*> candidates(children_.rbegin(), children_.rend());
    for (CView* view : candidates) {
        if (!isChild(view) || !view->isVisible() || !view->getMouseEnabled() || !view->hitTest(local, buttons))
            continue;
        if (view->onWheel(local, distance, buttons))
            return true;
    }
    return false;
}

bool CViewContainer::removed(CViewContainer* parent) {
    mouseDownView_ = nullptr;
    mouseOverView_ = nullptr;
    return CView::removed(parent);
}

}  // namespace VSTGUI
