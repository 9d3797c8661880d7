#include "vstgui/coptionmenu.h"

#include "vstgui/cframe.h"

namespace VSTGUI {

CMenuItem::CMenuItem(const char* title, int32_t flags, COptionMenu* submenu)
    : title_(title ? title : ""), flags_(flags), submenu_(submenu) {
    if (submenu_)
        submenu_->remember();
}

CMenuItem::~CMenuItem() {
    if (submenu_)
        submenu_->forget();
}

void CMenuItem::setChecked(bool checked) {
    flags_ = checked ? (flags_ | kChecked) : (flags_ & ~kChecked);
}

void CMenuItem::setEnabled(bool enabled) {
    flags_ = enabled ? (flags_ & ~kDisabled) : (flags_ | kDisabled);
}

COptionMenu::COptionMenu(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background,
                         CBitmap* /*backgroundWhenClicked*/, int32_t style)
    : CTextLabel(size, nullptr, background, style) {
    setListener(listener);
    setTag(tag);
}

COptionMenu::COptionMenu() : CTextLabel(CRect()) {}

COptionMenu::~COptionMenu() {
    removeAllEntry();
}

CMenuItem* COptionMenu::addEntry(const char* title, int32_t index, int32_t flags) {
    auto* item = new CMenuItem(title, flags);
    if (index < 0 || index >= getNbEntries())
        items_.push_back(item);
    else
        items_.insert(items_.begin() + index, item);
    invalid();
    return item;
}

CMenuItem* COptionMenu::addEntry(COptionMenu* submenu, const char* title) {
    auto* item = new CMenuItem(title, CMenuItem::kNoFlags, submenu);
    items_.push_back(item);
    return item;
}

CMenuItem* COptionMenu::addSeparator() {
    auto* item = new CMenuItem("", CMenuItem::kSeparator);
    items_.push_back(item);
    return item;
}

CMenuItem* COptionMenu::getEntry(int32_t index) const {
    return index >= 0 && index < getNbEntries() ? items_[static_cast<size_t>(index)] : nullptr;
}

bool COptionMenu::removeEntry(int32_t index) {
    CMenuItem* item = getEntry(index);
    if (!item)
        return false;
    items_.erase(items_.begin() + index);
    // The last choice may be this entry or lie in its submenu, which the
    // entry may take with it: forget it rather than keep a stale pointer.
    if ((lastMenu_ == this && lastIndex_ == index) || item->getSubmenu()) {
        lastMenu_ = nullptr;
        lastIndex_ = -1;
    } else if (lastMenu_ == this && lastIndex_ > index) {
        --lastIndex_;
    }
    item->forget();
    if (current_ == index)
        current_ = -1;
    else if (current_ > index)
        --current_;
    invalid();
    return true;
}

void COptionMenu::removeAllEntry() {
    for (CMenuItem* item : items_)
        item->forget();
    items_.clear();
    current_ = -1;
    lastMenu_ = nullptr;
    lastIndex_ = -1;
    invalid();
}

bool COptionMenu::checkEntry(int32_t index, bool checked) {
    CMenuItem* item = getEntry(index);
    if (!item || item->isSeparator())
        return false;
    item->setChecked(checked);
    return true;
}

bool COptionMenu::setCurrent(int32_t index) {
    if (!getEntry(index))
        return false;
    current_ = index;
    setValue(static_cast<float>(index));
    invalid();
    return true;
}

COptionMenu* COptionMenu::getLastItemMenu(int32_t& index) const {
    index = lastIndex_;
    return lastMenu_;
}

bool COptionMenu::popup() {
    CFrame* frame = getFrame();
    IPlatformFrame* platform = frame ? frame->getPlatformFrame() : nullptr;
    if (!platform)
        return false;
    CPoint where(getViewSize().left, getViewSize().bottom);
    localToFrame(where);
    return platform->popupMenu(this, where);
}

void COptionMenu::choose(COptionMenu* menu, int32_t index) {
    if (!menu || !menu->getEntry(index))
        return;
    menu->setCurrent(index);
    lastMenu_ = menu;
    lastIndex_ = index;
    beginEdit();
    valueChanged();
    endEdit();
}

void COptionMenu::draw(CDrawContext* context) {
    CMenuItem* item = getEntry(current_);
    drawText(context, item ? item->getTitle() : std::string());
}

CMouseEventResult COptionMenu::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    popup();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

}  // namespace VSTGUI
