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

    void setBands(bool bandsOnly)
    {
        bands = bandsOnly;
        redraw();
    }
    void draw(HRXDrawContext* context) override
    {
        context->setFillColour(kConfigMenuBackground);
        if (!bands) {
            context->fillRect(viewRect);
            return;
        }
        context->fillRect(header());
        context->fillRect(footer());
    }
    int32_t onMouseDown(const HRXPoint& point, uint32_t buttons) override
    {
        const bool onFace = !bands || header().contains(point) || footer().contains(point);
        return onFace && (buttons & kHRXLeftButton) ? kHRXMouseHandledNoMoves : kHRXMouseNotHandled;
    }

private:
    HRXRect header() const { return {viewRect.left, viewRect.top, viewRect.right, viewRect.top + kHeaderHeight}; }
    HRXRect footer() const
    {
        return {viewRect.left, viewRect.bottom - kFooterHeight, viewRect.right, viewRect.bottom};
    }

    bool bands = false;
};

void PresetBarConfigMenu::build(HRXPresetBarHost* barHost, const HRXRect& rect)
{
    destroy();
    host = barHost;
    container = host->createPresetBarContainer(rect);
    versionLine = makePluginVersionLine(product().productVersion, product().frameworkVersion, product().buildStamp, host->getFormatName());
    background = new PresetBarConfigBackground({});
    pageSwitch = new HRXConfigMenuGroupSwitch({}, kTagConfigPage);
    closeButton = new PresetBarCloseButton({}, kTagConfig);
    closeButton->setTooltip("Close the configuration menu");
    manualButton = new HRXConfigMenuKickButton({}, kTagManual, "Manual:", "Open");
    hintsSwitch = new HRXConfigMenu2waySwitch({}, kTagHints, "Hints:", "Hide", "Show");
    infoText = new HRXConfigPluginInfoText({}, kTagConfig, versionLine.c_str());
    for (HRXBaseControl* control : std::initializer_list<HRXBaseControl*>{background, pageSwitch, closeButton,
                                                                         manualButton, hintsSwitch, infoText})
        container->addControl(control);
    layout(rect.width(), rect.height());
}

void PresetBarConfigMenu::destroy()
{
    background = nullptr;
    pageSwitch = nullptr;
    closeButton = nullptr;
    manualButton = nullptr;
    hintsSwitch = nullptr;
    infoText = nullptr;
    delete container;
    container = nullptr;
}

void PresetBarConfigMenu::setRect(const HRXRect& rect)
{
    if (!container)
        return;
    container->setViewSize(rect);
    layout(rect.width(), rect.height());
}

// The page's controls take their places; the other page's get empty ones.
void PresetBarConfigMenu::layout(double width, double height)
{
    const bool info = page == Page::PluginInfo;
    background->setViewSize({0.0, 0.0, width, height});
    background->setBands(info);
    pageSwitch->setViewSize({10.0, 8.0, width - 50.0, 32.0});
    pageSwitch->setValue(info ? 1.0 : 0.0);
    pageSwitch->redraw();
    closeButton->setViewSize({width - 42.0, 4.0, width - 6.0, 36.0});
    manualButton->setViewSize(info ? HRXRect{} : HRXRect{20.0, 60.0, 300.0, 92.0});
    hintsSwitch->setViewSize(info ? HRXRect{} : HRXRect{20.0, 100.0, 300.0, 132.0});
    infoText->setViewSize(info ? HRXRect{14.0, height - 32.0, width - 10.0, height - 8.0} : HRXRect{});
}

void PresetBarConfigMenu::prepareOpening()
{
    if (!hintsSwitch)
        return;
    hintsSwitch->setValue(HRXGlobalSettings::hintsFlag() != 0 ? 1.0 : 0.0);
    hintsSwitch->redraw();
}

void PresetBarConfigMenu::showPage(Page newPage)
{
    page = newPage;
    if (container) {
        const HRXRect rect = container->getRect();
        layout(rect.width(), rect.height());
    }
}

void PresetBarConfigMenu::handle(int32_t tag, double value)
{
    if (!container)
        return;
    switch (tag) {
    case kTagManual:
        openManual();
        break;
    case kTagHints:
        setHints(static_cast<int32_t>(value + 0.5));
        break;
    case kTagConfigPage: {
        const Page chosen = static_cast<int32_t>(value + 0.5) != 0 ? Page::PluginInfo : Page::GlobalSettings;
        showPage(chosen);
        host->getEngine()->editParameter(
            chosen == Page::PluginInfo ? kReportPluginInfoPage : kReportGlobalSettingsPage, 1.0);
        break;
    }
    default:
        break;
    }
}

void PresetBarConfigMenu::setHints(int32_t hints)
{
    HRXGlobalSettings::setHintsFlag(hints);
    host->showHints(hints);
}

void PresetBarConfigMenu::hintsChanged(double value)
{
    const int32_t hints = static_cast<int32_t>(value + 0.5) != 0 ? 1 : 0;
    if (hintsSwitch) {
        hintsSwitch->setValue(hints);
        hintsSwitch->redraw();
    }
    if (host)
        host->showHints(hints);
}

// The manual's path is set by the product's installation.
void PresetBarConfigMenu::openManual()
{
    std::string path;
    getSettingsStore().readString(product().sharedSettingsKey, product().manualPathValueName, path);
    switch (getShell().open(path)) {
    case HRXShellResult::Opened:
        break;
    case HRXShellResult::NoApplication:
        getMessageBox().show("Could not open manual file", "Make sure Acrobat Reader is installed");
        break;
    case HRXShellResult::Failed:
        getMessageBox().show("", "Could not open user manual");
        break;
    }
}
