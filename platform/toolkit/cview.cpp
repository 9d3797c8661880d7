#include "vstgui/cview.h"

#include "vstgui/cbitmap.h"
#include "vstgui/cdrawcontext.h"
#include "vstgui/cframe.h"
#include "vstgui/cviewcontainer.h"

#include <cstring>

namespace VSTGUI {

CView::CView(const CRect& size) : size_(size), mouseableArea_(size) {}

CView::~CView() {
    if (background_)
        background_->forget();
}

void CView::draw(CDrawContext* context) {
    if (background_)
        context->drawBitmap(background_, size_);
}

void CView::drawRect(CDrawContext* context, const CRect& updateRect) {
    if (visible_ && size_.rectOverlap(updateRect))
        draw(context);
    dirty_ = false;
}

bool CView::hitTest(const CPoint& where, const CButtonState& /*buttons*/) {
    return mouseableArea_.pointInside(where);
}

CMouseEventResult CView::onMouseDown(CPoint&, const CButtonState&) {
    return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseUp(CPoint&, const CButtonState&) {
    return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseMoved(CPoint&, const CButtonState&) {
    return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseEntered(CPoint&, const CButtonState&) {
    return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseExited(CPoint&, const CButtonState&) {
    return kMouseEventNotImplemented;
}

bool CView::onWheel(const CPoint&, const float&, const CButtonState&) {
    return false;
}

int32_t CView::onKeyDown(VstKeyCode&) {
    return -1;
}

int32_t CView::onKeyUp(VstKeyCode&) {
    return -1;
}

void CView::setViewSize(const CRect& rect, bool invalidate) {
    if (invalidate)
        invalid();
    size_ = rect;
    mouseableArea_ = rect;
    if (invalidate)
        invalid();
}

void CView::invalidRect(const CRect& rect) {
    dirty_ = true;
    if (parent_)
        parent_->invalidRect(parent_->getChildTransform().transform(rect));
}

void CView::setVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    // Ask for the redraw even when hidden: the area under the view changes.
    if (parent_)
        parent_->invalidRect(parent_->getChildTransform().transform(size_));
}

bool CView::setAttribute(CViewAttributeID id, uint32_t size, const void* data) {
    if (size > 0 && !data)
        return false;
    const auto* bytes = static_cast<const uint8_t*>(data);
    attributes_[id] = std::vector<uint8_t>(bytes, bytes + size);
    return true;
}

bool CView::getAttributeSize(CViewAttributeID id, uint32_t& size) const {
    auto it = attributes_.find(id);
    if (it == attributes_.end())
        return false;
    size = static_cast<uint32_t>(it->second.size());
    return true;
}

bool CView::getAttribute(CViewAttributeID id, uint32_t inSize, void* data, uint32_t& outSize) const {
    auto it = attributes_.find(id);
    if (it == attributes_.end() || inSize < it->second.size() || (!data && !it->second.empty()))
        return false;
    if (!it->second.empty())
        std::memcpy(data, it->second.data(), it->second.size());
    outSize = static_cast<uint32_t>(it->second.size());
    return true;
}

bool CView::removeAttribute(CViewAttributeID id) {
    return attributes_.erase(id) > 0;
}

void CView::setTooltipText(const char* text) {
    if (!text || !*text) {
        removeAttribute(kCViewTooltipAttribute);
        return;
    }
    setAttribute(kCViewTooltipAttribute, static_cast<uint32_t>(std::strlen(text) + 1), text);
}

void CView::setBackground(CBitmap* background) {
    if (background == background_)
        return;
    if (background)
        background->remember();
    if (background_)
        background_->forget();
    background_ = background;
    invalid();
}

CFrame* CView::getFrame() const {
    return parent_ ? parent_->getFrame() : nullptr;
}

bool CView::attached(CViewContainer* parent) {
    if (parent_)
        return false;
    parent_ = parent;
    return true;
}

bool CView::removed(CViewContainer* /*parent*/) {
    parent_ = nullptr;
    return true;
}

CPoint& CView::localToFrame(CPoint& point) const {
    for (const CViewContainer* c = parent_; c; c = c->getParentView())
        point = c->getChildTransform().transform(point);
    return point;
}

CPoint& CView::frameToLocal(CPoint& point) const {
    std::vector<const CViewContainer*> chain;
    for (const CViewContainer* c = parent_; c; c = c->getParentView())
        chain.push_back(c);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        point = (*it)->getChildTransform().inverse().transform(point);
    return point;
}

}  // namespace VSTGUI
