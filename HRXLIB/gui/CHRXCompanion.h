#pragma once

#include "CHRXToolkitResources.h"
#include "HRXTextControls.h"
#include "vstgui/ctextlabel.h"

namespace Brackenworks {

// Every toolkit companion names the engine-neutral control it owns.
class CHRXCompanion {
public:
    virtual ~CHRXCompanion() = default;
    virtual HRXBaseControl* getControl() const = 0;
};

inline VSTGUI::CRect toolkitRectOf(const HRXRect& r) {
    return VSTGUI::CRect(r.left, r.top, r.right, r.bottom);
}

inline VSTGUI::CColor toolkitColourOf(const HRXColour& c) {
    return VSTGUI::CColor(c.red, c.green, c.blue, c.alpha);
}

// The companion of a text control over a toolkit text view (a CTextLabel
// subclass made from its rectangle alone): links itself to the control, owns it, keeps the view's text,
// font, colours, tag and size in step with it, and reports the control's
// value changes to the view's listener.
template <class ToolkitView, class Control>
class CHRXTextCompanion : public ToolkitView, public CHRXCompanion {
public:
    CHRXTextCompanion(Control* control, VSTGUI::IControlListener* listener)
        : ToolkitView(toolkitRectOf(control->getViewSize())), control_(control), engineView_(*this) {
        ToolkitView::setListener(listener);
        ToolkitView::setTag(control->getTag());
        ToolkitView::setMouseableArea(toolkitRectOf(control->getViewSize()));
        ToolkitView::setTooltipText(control->getTooltip());
        control->setTextCompanion(&engineView_);
        CHRXTextCompanion::updateText();
    }
    ~CHRXTextCompanion() override {
        control_->setTextCompanion(nullptr);
        delete control_;
    }

    HRXBaseControl* getControl() const override { return control_; }

protected:
    // Shows the control's text, font, colours and alignment.
    virtual void updateText() {
        ToolkitView::setText(control_->getText().c_str());
        syncStyle();
    }
    virtual void startEditing() {}

    void syncStyle() {
        if (VSTGUI::CFontDesc* font = toolkitFontOf(control_->getFont()))
            ToolkitView::setFont(font);
        ToolkitView::setFontColor(toolkitColourOf(control_->getFontColour()));
        ToolkitView::setBackColor(toolkitColourOf(control_->getBackColour()));
        ToolkitView::setTransparency(control_->getBackColour().alpha == 0);
        ToolkitView::setFrameColor(toolkitColourOf(control_->getFrameColour()));
        ToolkitView::setStyle(control_->getFrameColour().alpha == 0 ? VSTGUI::kNoFrame : 0);
        const HRXTextAlignment alignment = control_->getAlignment();
        ToolkitView::setHoriAlign(alignment == kHRXAlignCentre  ? VSTGUI::kCenterText
                                  : alignment == kHRXAlignRight ? VSTGUI::kRightText
                                                                : VSTGUI::kLeftText);
    }
    // The toolkit's own report to the listener, past the view's override.
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    void reportToListener() { ToolkitView::CControl::valueChanged(); }

    Control* control_;

private:
    class EngineView : public HRXTextEngineView {
    public:
        explicit EngineView(CHRXTextCompanion& owner) : owner_(owner) {}
        void redraw() override { owner_.invalid(); }
        void reportValue() override {
            owner_.ToolkitView::CControl::setValue(static_cast<float>(owner_.control_->getValue()));
            owner_.reportToListener();
        }
        void setTooltipText(const char* text) override { owner_.ToolkitView::setTooltipText(text); }
        void setValue(double value) override {
            owner_.ToolkitView::CControl::setValue(static_cast<float>(value));
            owner_.invalid();
        }
        void setViewSize(const HRXRect& rect) override {
            owner_.ToolkitView::setViewSize(toolkitRectOf(rect));
            owner_.ToolkitView::setMouseableArea(toolkitRectOf(rect));
        }
        void setTag(int32_t tag) override { owner_.ToolkitView::setTag(tag); }
        void updateText() override { owner_.updateText(); }
        void startEditing() override { owner_.startEditing(); }

    private:
        CHRXTextCompanion& owner_;
    };

    EngineView engineView_;
};

}  // namespace Brackenworks
