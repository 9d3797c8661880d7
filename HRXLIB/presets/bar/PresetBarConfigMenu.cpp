#include "PresetBarConfigMenu.h"

#include "HRXCustomControl.h"
#include "HRXGlobalSettings.h"
#include "HRXMasterGraphicalEngine.h"
#include "HRXMasterPresetBar.h"
#include "HRXMessageBox.h"
#include "HRXSettingsStore.h"
#include "HRXShell.h"
#include "HRXViewContainer.h"
#include "PresetBarConfigMenuControls.h"
#include "PresetBarStyle.h"
#include "PresetBarSwitches.h"
#include "PresetBarTags.h"
#include "HRXProduct.h"

using namespace PresetBarStyle;

namespace {

constexpr double kHeaderHeight = 40.0;
constexpr double kFooterHeight = 40.0;

}  // namespace

// The menu's dark face: the whole panel on "Global settings"; on "Plugin
// info" a header and a footer band, so the about box shows between them.
// Clicks on the face stay in the menu; between the bands they reach the
// about box.
class PresetBarConfigBackground : public HRXCustomControl {
public:
    explicit PresetBarConfigBackground(const HRXRect& rect) : HRXCustomControl(rect, -1, nullptr) {}

    void setBands(bool bandsOnly) {
        bands_ = bandsOnly;
        redraw();
    }
    void draw(HRXDrawContext* context) override {
        context->setFillColour(kConfigMenuBackground);
        if (!bands_) {
            context->fillRect(viewRect_);
            return;
        }
        context->fillRect(header());
        context->fillRect(footer());
    }
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override {
        const bool onFace = !bands_ || header().contains(point) || footer().contains(point);
        return onFace && (buttons & kHRXLeftButton) ? kHRXMouseHandledNoMoves : kHRXMouseNotHandled;
    }

private:
    HRXRect header() const { return {viewRect_.left, viewRect_.top, viewRect_.right, viewRect_.top + kHeaderHeight}; }
    HRXRect footer() const {
        return {viewRect_.left, viewRect_.bottom - kFooterHeight, viewRect_.right, viewRect_.bottom};
    }

    bool bands_ = false;
};

void PresetBarConfigMenu::build(HRXPresetBarHost* barHost, const HRXRect& rect) {
    destroy();
    host_ = barHost;
    container_ = host_->createPresetBarContainer(rect);
    versionLine_ = makePluginVersionLine(product().productVersion, product().frameworkVersion, product().buildStamp,
                                         host_->getFormatName());
    background_ = new PresetBarConfigBackground({});
    pageSwitch_ = new HRXConfigMenuGroupSwitch({}, kTagConfigPage);
    closeButton_ = new PresetBarCloseButton({}, kTagConfig);
    closeButton_->setTooltip("Close the configuration menu");
    manualButton_ = new HRXConfigMenuKickButton({}, kTagManual, "Manual:", "Open");
    hintsSwitch_ = new HRXConfigMenu2waySwitch({}, kTagHints, "Hints:", "Hide", "Show");
    infoText_ = new HRXConfigPluginInfoText({}, kTagConfig, versionLine_.c_str());
    for (HRXBaseControl* control : std::initializer_list<HRXBaseControl*>{background_, pageSwitch_, closeButton_,
                                                                          manualButton_, hintsSwitch_, infoText_})
        container_->addControl(control);
    layout(rect.width(), rect.height());
}

void PresetBarConfigMenu::destroy() {
    background_ = nullptr;
    pageSwitch_ = nullptr;
    closeButton_ = nullptr;
    manualButton_ = nullptr;
    hintsSwitch_ = nullptr;
    infoText_ = nullptr;
    delete container_;
    container_ = nullptr;
}

void PresetBarConfigMenu::setRect(const HRXRect& rect) {
    if (!container_)
        return;
    container_->setViewSize(rect);
    layout(rect.width(), rect.height());
}

// The page's controls take their places; the other page's get empty ones.
void PresetBarConfigMenu::layout(double width, double height) {
    const bool info = page_ == Page::PluginInfo;
    background_->setViewSize({0.0, 0.0, width, height});
    background_->setBands(info);
    pageSwitch_->setViewSize({10.0, 8.0, width - 50.0, 32.0});
    pageSwitch_->setValue(info ? 1.0 : 0.0);
    pageSwitch_->redraw();
    closeButton_->setViewSize({width - 42.0, 4.0, width - 6.0, 36.0});
    manualButton_->setViewSize(info ? HRXRect{} : HRXRect{20.0, 60.0, 300.0, 92.0});
    hintsSwitch_->setViewSize(info ? HRXRect{} : HRXRect{20.0, 100.0, 300.0, 132.0});
    infoText_->setViewSize(info ? HRXRect{14.0, height - 32.0, width - 10.0, height - 8.0} : HRXRect{});
}

void PresetBarConfigMenu::prepareOpening() {
    if (!hintsSwitch_)
        return;
    hintsSwitch_->setValue(HRXGlobalSettings::hintsFlag() != 0 ? 1.0 : 0.0);
    hintsSwitch_->redraw();
}

void PresetBarConfigMenu::showPage(Page newPage) {
    page_ = newPage;
    if (container_) {
        const HRXRect rect = container_->getRect();
        layout(rect.width(), rect.height());
    }
}

void PresetBarConfigMenu::handle(int32_t tag, double value) {
    if (!container_)
        return;
    switch (tag) {
    case kTagManual: openManual(); break;
    case kTagHints: setHints(static_cast<int32_t>(value + 0.5)); break;
    case kTagConfigPage: {
        const Page chosen = static_cast<int32_t>(value + 0.5) != 0 ? Page::PluginInfo : Page::GlobalSettings;
        showPage(chosen);
        host_->getEngine()->editParameter(
            chosen == Page::PluginInfo ? kReportPluginInfoPage : kReportGlobalSettingsPage, 1.0);
        break;
    }
    default: break;
    }
}

void PresetBarConfigMenu::setHints(int32_t hints) {
    HRXGlobalSettings::setHintsFlag(hints);
    host_->showHints(hints);
}

void PresetBarConfigMenu::hintsChanged(double value) {
    const int32_t hints = static_cast<int32_t>(value + 0.5) != 0 ? 1 : 0;
    if (hintsSwitch_) {
        hintsSwitch_->setValue(hints);
        hintsSwitch_->redraw();
    }
    if (host_)
        host_->showHints(hints);
}

// The manual's path is set by the product's installation.
void PresetBarConfigMenu::openManual() {
    std::string path;
    getSettingsStore().readString(product().sharedSettingsKey, product().manualPathValueName, path);
    switch (getShell().open(path)) {
    case HRXShellResult::Opened: break;
    case HRXShellResult::NoApplication:
        getMessageBox().show("Could not open manual file", "Make sure Acrobat Reader is installed");
        break;
    case HRXShellResult::Failed: getMessageBox().show("", "Could not open user manual"); break;
    }
}
