#pragma once

#include "ccolor.h"
#include "cviewcontainer.h"
#include "platformframe.h"

namespace VSTGUI {

class CFrame;

// The editor object that owns a frame.
class VSTGUIEditorInterface {
public:
    virtual ~VSTGUIEditorInterface() = default;
    virtual CFrame* getFrame() const = 0;
    // The frame's window went away by itself (closed by the window manager,
    // its parent destroyed, the window system lost). The editor may close
    // and delete the frame here.
    virtual void onWindowClosed() {}
};

// The top container, bound to a platform window. Its view size is the
// window's size in window coordinates; its children use logical coordinates,
// mapped to the window by the frame's transform (a uniform scale for zoom).
// Mouse, wheel and key input arrives in window coordinates.
class CFrame : public CViewContainer, public IPlatformFrameCallback {
public:
    CFrame(const CRect& size, VSTGUIEditorInterface* editor = nullptr);
    ~CFrame() override;

    // Creates the platform window; false when no backend of the type exists
    // or it fails.
    bool open(void* parent, PlatformType type = PlatformType::kOffscreen);
    // Removes every view, releases the platform window and forgets the frame.
    void close();
    IPlatformFrame* getPlatformFrame() const { return platformFrame_; }
    VSTGUIEditorInterface* getEditor() const { return editor_; }

    // Zoom: a uniform scale transform; the window grows to the unzoomed size
    // times the factor. Refuses a factor of 0 or below.
    bool setZoom(double zoom);
    double getZoom() const { return zoom_; }
    void setTransform(const CGraphicsTransform& transform);
    const CGraphicsTransform& getTransform() const { return transform_; }
    // Sets the window size (window coordinates).
    bool setSize(CCoord width, CCoord height);
    void setViewSize(const CRect& rect, bool invalidate = true) override;

    bool getCurrentMouseLocation(CPoint& where) const;
    CButtonState getCurrentMouseButtons() const;
    void setFocusView(CView* view);
    // Called by containers before they detach a view: a focus or modal view
    // inside it is dropped.
    void onViewRemoved(CView* view);
    CView* getFocusView() const { return focusView_; }
    // A modal view receives the wheel first.
    void setModalView(CView* view) { modalView_ = view; }
    CView* getModalView() const { return modalView_; }
    void showTooltip(const CRect& rect, const char* text);
    void hideTooltip();

    CFrame* getFrame() const override { return const_cast<CFrame*>(this); }
    CGraphicsTransform getChildTransform() const override { return transform_; }
    CRect getLocalBounds() const override;
    void invalidRect(const CRect& rect) override;

    // Input in window coordinates.
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;
    // Key events go to the focus view.
    int32_t onKeyDown(VstKeyCode& key) override;
    int32_t onKeyUp(VstKeyCode& key) override;

    // IPlatformFrameCallback
    void platformDrawRect(CDrawContext* context, const CRect& rect) override;
    CMouseEventResult platformOnMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult platformOnMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult platformOnMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult platformOnMouseExited(CPoint& where, const CButtonState& buttons) override;
    bool platformOnMouseWheel(const CPoint& where, float distance, const CButtonState& buttons) override;
    bool platformOnKeyDown(VstKeyCode& key) override;
    bool platformOnKeyUp(VstKeyCode& key) override;
    void platformOnWindowClosed() override;

private:
    VSTGUIEditorInterface* editor_;
    IPlatformFrame* platformFrame_ = nullptr;
    CGraphicsTransform transform_;
    double zoom_ = 1.0;
    CRect unzoomedSize_;
    CView* focusView_ = nullptr;
    CView* modalView_ = nullptr;
};

}  // namespace VSTGUI
