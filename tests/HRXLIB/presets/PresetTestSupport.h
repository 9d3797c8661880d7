#pragma once

// Test support shared by the preset, controller and chunk tests: a private
// home, documents and configuration folder per test, a steppable clock, and
// recording stand-ins for the host parameters and the editor.

#include "HRXMasterEditorLink.h"
#include "HRXMasterHostParameters.h"
#include "HRXTickCount.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

// Points HOME, USERPROFILE and XDG_CONFIG_HOME at a fresh temporary folder
// for the life of the object, so no test touches the real user's files.
class TemporaryUserHome {
public:
    TemporaryUserHome() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velvaton-home-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            ADD_FAILURE() << "cannot create a temporary home";
        root = pattern;
        setenv("HOME", root.c_str(), 1);
        setenv("USERPROFILE", root.c_str(), 1);
        setenv("XDG_CONFIG_HOME", configFolder().c_str(), 1);
    }
    ~TemporaryUserHome() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    std::string configFolder() const { return root + "/config"; }
    std::string presetFolder() const { return root + "/Documents/bracken-works.example/User Presets/HRX velvaTon"; }
    // Creates a file (and its folders) under the user preset folder.
    void writePresetFolderFile(const std::string& relative, const std::vector<uint8_t>& bytes) const {
        const std::filesystem::path path = std::filesystem::path(presetFolder()) / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void makePresetSubFolder(const std::string& relative) const {
        std::filesystem::create_directories(std::filesystem::path(presetFolder()) / relative);
    }

    std::string root;
};

// A clock the test moves by hand.
class ManualClock : public HRXTickSource {
public:
    explicit ManualClock(uint32_t start = 100000) : now(start) { setTickSource(this); }
    ~ManualClock() override { setTickSource(nullptr); }
    uint32_t tickCount() override { return now; }
    void advance(uint32_t milliseconds) { now += milliseconds; }
    uint32_t now;
};

// Every gesture the controller makes on the host parameters, in order.
class RecordingHostParameters : public HRXMasterHostParameters {
public:
    struct Call {
        std::string what;  // "touch", "set", "release"
        std::string identifier;
        double value;
        bool operator==(const Call& other) const {
            return what == other.what && identifier == other.identifier && value == other.value;
        }
    };
    void touchParameter(const char* identifier) override { calls.push_back({"touch", identifier, 0.0}); }
    void setParameterNormalizedValue(const char* id, double value) override { calls.push_back({"set", id, value}); }
    void releaseParameter(const char* identifier) override { calls.push_back({"release", identifier, 0.0}); }
    std::vector<Call> calls;
};

inline std::ostream& operator<<(std::ostream& out, const RecordingHostParameters::Call& call) {
    return out << call.what << "(" << call.identifier << ", " << call.value << ")";
}

class RecordingEditor : public HRXMasterEditorLink {
public:
    void notifyEditor(int32_t index, double value) override { received.emplace_back(index, value); }
    std::vector<std::pair<int32_t, double>> received;
};
