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

inline VSTGUI::CRect toolkitRectOf(const HRXRect& r) { return VSTGUI::CRect(r.left, r.top, r.right, r.bottom); }

inline VSTGUI::CColor toolkitColourOf(const HRXColour& c) { return VSTGUI::CColor(c.red, c.green, c.blue, c.alpha); }

// The companion of a text control over a toolkit text view (a CTextLabel
// subclass made from its rectangle alone): links itself to the control, owns it, keeps the view's text,
// font, colours, tag and size in step with it, and reports the control's
// value changes to the view's listener.
template <class ToolkitView, class Control>
class CHRXTextCompanion : public ToolkitView, public CHRXCompanion {
public:
    CHRXTextCompanion(Control* control, VSTGUI::IControlListener* listener)
        : ToolkitView(toolkitRectOf(control->getViewSize())), control(control), engineView(*this)
    {
        ToolkitView::setListener(listener);
        ToolkitView::setTag(control->getTag());
        ToolkitView::setMouseableArea(toolkitRectOf(control->getViewSize()));
        ToolkitView::setTooltipText(control->getTooltip());
        control->setTextCompanion(&engineView);
        CHRXTextCompanion::updateText();
    }
    ~CHRXTextCompanion() override
    {
        control->setTextCompanion(nullptr);
        delete control;
    }

    HRXBaseControl* getControl() const override { return control; }

protected:
    // Shows the control's text, font, colours and alignment.
    virtual void updateText()
    {
        ToolkitView::setText(control->getText().c_str());
        syncStyle();
    }
    virtual void startEditing() {}

    void syncStyle()
    {
        if (VSTGUI::CFontDesc* font = toolkitFontOf(control->getFont()))
            ToolkitView::setFont(font);
        ToolkitView::setFontColor(toolkitColourOf(control->getFontColour()));
        ToolkitView::setBackColor(toolkitColourOf(control->getBackColour()));
        ToolkitView::setTransparency(control->getBackColour().alpha == 0);
        ToolkitView::setFrameColor(toolkitColourOf(control->getFrameColour()));
        ToolkitView::setStyle(control->getFrameColour().alpha == 0 ? VSTGUI::kNoFrame : 0);
        const HRXTextAlignment alignment = control->getAlignment();
        ToolkitView::setHoriAlign(alignment == kHRXAlignCentre  ? VSTGUI::kCenterText
                                  : alignment == kHRXAlignRight ? VSTGUI::kRightText
                                                                : VSTGUI::kLeftText);
    }
    // The toolkit's own report to the listener, past the view's override.
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    void reportToListener() { ToolkitView::CControl::valueChanged(); }

    Control* control;

private:
    class EngineView : public HRXTextEngineView {
    public:
        explicit EngineView(CHRXTextCompanion& owner) : owner(owner) {}
        void redraw() override { owner.invalid(); }
        void reportValue() override
        {
            owner.ToolkitView::CControl::setValue(static_cast<float>(owner.control->getValue()));
            owner.reportToListener();
        }
        void setTooltipText(const char* text) override { owner.ToolkitView::setTooltipText(text); }
        void setValue(double value) override
        {
            owner.ToolkitView::CControl::setValue(static_cast<float>(value));
            owner.invalid();
        }
        void setViewSize(const HRXRect& rect) override
        {
            owner.ToolkitView::setViewSize(toolkitRectOf(rect));
            owner.ToolkitView::setMouseableArea(toolkitRectOf(rect));
        }
        void setTag(int32_t tag) override { owner.ToolkitView::setTag(tag); }
        void updateText() override { owner.updateText(); }
        void startEditing() override { owner.startEditing(); }

    private:
        CHRXTextCompanion& owner;
    };

    EngineView engineView;
};

}  // namespace Brackenworks
