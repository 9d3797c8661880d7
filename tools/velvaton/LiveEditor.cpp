#include "LiveEditor.h"

#include "AAXHostEditor.h"
#include "AAXHostWindow.h"
#include "AAX_Errors.h"
#include "AAX_FourCC.h"
#include "Command.h"
#include "DemoProgramme.h"
#include "HRXPresetContainer.h"
#include "PluginBackend.h"
#include "PluginLocation.h"
#include "RenderJob.h"
#include "RenderPreset.h"
#include "velvaTonProduct.h"

#include "x11/X11Screenshot.h"

#include <X11/Xlib.h>
#include <poll.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kSampleRate = DemoProgramme::kSampleRate;
constexpr int32_t kBlockFrames = 512;
constexpr int kIdleMilliseconds = 5;
constexpr int64_t kScreenshotDelayBlocks = 2 * kSampleRate / kBlockFrames;
constexpr size_t kStatePrefixSize = kStateChunkPrefixSize;

int fail(const std::string& message) {
    std::fprintf(stderr, "velvaton editor: %s\n", message.c_str());
    return kExitFailed;
}

// Writes the instance zoom into state chunk data, in the container's own
// byte order. False when the data is no bank container.
bool setStateZoom(std::vector<uint8_t>& state, int32_t percent) {
    if (state.size() < kStatePrefixSize + kContainerHeaderSize)
        return false;
    HRXContainerHeader header;
    bool swapped = false;
    if (!readContainerHeader(state.data() + kStatePrefixSize, state.size() - kStatePrefixSize, header, swapped))
        return false;
    const auto word = static_cast<uint32_t>(percent);
    for (int i = 0; i < 4; ++i) {
        const int shift = swapped ? 24 - 8 * i : 8 * i;
        state[kStatePrefixSize + kContainerZoomPercentOffset + static_cast<size_t>(i)] =
            static_cast<uint8_t>(word >> shift);
    }
    return true;
}

// Writes the window as the X server shows it.
bool writeScreenshot(uintptr_t window, const std::string& path) {
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const bool written = VSTGUI::X11::writeWindowPNG(display, static_cast<unsigned long>(window), path.c_str());
    XCloseDisplay(display);
    return written;
}

// The demo programme, looped, as the render thread's input; the output goes
// nowhere (there is no audio device).
class DemoPlayer final : public AAXHostAudioClient {
public:
    explicit DemoPlayer(const DemoProgramme& programme) : programme_(programme) {}

    void fillInput(const AAXHostBlock& block, float* const* inputs) override {
        const size_t length = programme_.left.size();
        for (int32_t i = 0; i < block.frames; ++i) {
            inputs[0][i] = programme_.left[position_];
            inputs[1][i] = programme_.right[position_];
            position_ = position_ + 1 == length ? 0 : position_ + 1;
        }
    }
    void takeOutput(const AAXHostBlock&, const float* const*) override {}

private:
    const DemoProgramme& programme_;
    size_t position_ = 0;  // render thread only
};

}  // namespace

int runLiveEditor(const LiveEditorOptions& options) {
    std::string error;
    std::unique_ptr<AAXHostWindow> window = AAXHostWindow::open("HRX velvaTon", 400, 327, &error);
    if (!window)
        return fail("cannot open a window: " + error);

    ParameterValues values = ParameterValues::defaults();
    if (!applyRenderPreset(options.presetName, "", values.value, error))
        return fail(error);
    PluginRenderSettings settings;
    settings.libraryPath = findPluginLibrary();
    for (bool& edited : settings.edited)
        edited = !options.presetName.empty();
    // Declared before the backend, so that the instance's render thread has
    // stopped before they go.
    const DemoProgramme programme = synthesiseDemoProgramme();
    DemoPlayer player(programme);
    PluginBackend backend(settings);
    if (!backend.prepare(kSampleRate, 2, values.value, error))
        return fail(error);
    AAXHostInstance& instance = *backend.instance();

    if (options.zoomPercent > 0) {
        AAXHostChunk chunk;
        chunk.id = AAX_FourCC("All ");
        if (!backend.saveState(chunk.data, error))
            return fail(error);
        if (!setStateZoom(chunk.data, options.zoomPercent) || instance.setChunk(chunk) != AAX_SUCCESS)
            return fail("the plug-in did not take the zoom");
        instance.idle();
    }

    if (instance.createEditor() != AAX_SUCCESS)
        return fail("the plug-in has no editor");
    AAXHostEditor& editor = *instance.editor();
    editor.onViewSizeRequest = [&window](const AAX_Point& size) {
        window->resize(static_cast<int>(size.horz), static_cast<int>(size.vert));
    };
    editor.attach(window->id());
    AAX_Point size;
    if (editor.viewSize(&size) == AAX_SUCCESS)
        window->resize(static_cast<int>(size.horz), static_cast<int>(size.vert));

    // The instance renders on its own thread, as in a host; this thread is
    // the host's main thread: window events, the editor, the host's timers.
    if (instance.startRenderThread(player, kBlockFrames) != AAX_SUCCESS)
        return fail("cannot start the render thread");
    while (window->pump()) {
        instance.idle();
        if (!options.screenshotPath.empty() && instance.renderedBlocks() >= kScreenshotDelayBlocks) {
            if (!writeScreenshot(window->id(), options.screenshotPath))
                return fail("cannot write the screenshot '" + options.screenshotPath + "'");
            std::printf("wrote %s\n", options.screenshotPath.c_str());
            break;
        }
        pollfd connection{window->fileDescriptor(), POLLIN, 0};
        poll(&connection, connection.fd >= 0 ? 1 : 0, kIdleMilliseconds);
    }
    const bool lost = window->isConnectionLost();
    instance.stopRenderThread();
    editor.detach();
    instance.destroyEditor();
    window.reset();  // before the plug-in library goes
    return lost ? fail("the connection to the X server was lost") : kExitSuccess;
}
