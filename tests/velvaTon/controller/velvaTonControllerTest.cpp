#include "HRXPresetContainer.h"
#include "HRXPresetManager.h"
#include "PresetTestSupport.h"
#include "TracedController.h"
#include "velvaTonController.h"

#include <cstring>

#include <gtest/gtest.h>

namespace {

using Message = std::pair<int32_t, double>;

// One instance as the host-facing parameters object builds it.
struct Instance {
    Instance() : controller(&host) { controller.attach(new velvaTonController(&controller)); }
    HRXPresetManager& manager() { return *controller.getPresetManager(); }
    HRXBaseParametersController& product() { return *controller.getParametersController(); }
    std::vector<uint8_t> chunk() {
        uint8_t* data = nullptr;
        const int32_t size = product().getChunk(&data);
        return data ? std::vector<uint8_t>(data, data + size) : std::vector<uint8_t>();
    }
    void setChunk(const std::vector<uint8_t>& bytes) {
        controller.traced.clear();
        product().setChunk(bytes.data(), static_cast<int32_t>(bytes.size()), nullptr);
    }

    RecordingHostParameters host;
    TracedController controller;
};

class velvaTonControllerTest : public ::testing::Test {
protected:
    TemporaryUserHome home_;
    ManualClock clock_;
};

// What a restore re-sends: setup A's values 0..11.
std::vector<Message> setupAValues(const HRXPresetRecord& record) {
    std::vector<Message> values;
    for (int32_t i = 0; i < 12; ++i)
        values.emplace_back(i, static_cast<double>(record.values[i]));
    return values;
}

TEST_F(velvaTonControllerTest, ChunkLayoutAndRoundTripOfBankAuxWordAndZoom) {
    Instance source;
    source.manager().selectPreset(15);  // "Kick"
    source.controller.setParameter(5, 0.8);
    source.manager().auxWord = 7;
    source.manager().zoomPercent = 150;
    setPresetRecordName(source.manager().workingBank[2], "Bank Two");
    uint8_t* data = nullptr;
    ASSERT_EQ(source.product().getChunk(&data), 1225);
    ASSERT_EQ(data, source.manager().chunkScratch);
    const uint8_t prefix[13] = {0, 0, 0, 2, 'N', 'T', 'V', 'H', 'N', 'T', 'V', 'H', 0x38};
    EXPECT_EQ(std::memcmp(data, prefix, sizeof prefix), 0);
    EXPECT_EQ(data[1225], 0);  // the scratch is zeroed behind the chunk
    // The current setup goes over bank record 0 before the bank form is written.
    const std::vector<uint8_t> bank = serializeBank(source.manager().workingBank, 7, 150);
    EXPECT_EQ(std::memcmp(data + 8, bank.data(), bank.size()), 0);
    std::vector<uint8_t> chunk(data, data + 1225);
    Instance target;
    RecordingEditor editor;
    target.controller.setEditor(&editor);
    target.setChunk(chunk);

    HRXPresetManager& manager = target.manager();
    EXPECT_STREQ(manager.workingBank[2].name, "Bank Two");
    EXPECT_EQ(manager.workingBank[0].values[5], 0.8f);
    EXPECT_STREQ(manager.setupA.current.name, "Kick");
    EXPECT_EQ(manager.setupA.current.values[5], 0.8f);
    EXPECT_EQ(std::memcmp(&manager.setupB.current, &manager.setupA.current, sizeof(HRXPresetRecord)), 0);
    EXPECT_EQ(manager.setupA.modified, 0);
    EXPECT_EQ(manager.presetIndex, -1);
    EXPECT_EQ(manager.auxWord, 7);
    EXPECT_EQ(manager.zoomPercent, 150);
    std::vector<Message> expected = {{29, 7.0}, {59, 1.5}};
    const std::vector<Message> values = setupAValues(manager.setupA.current);
    expected.insert(expected.end(), values.begin(), values.end());
    EXPECT_EQ(target.controller.traced, expected);
    EXPECT_EQ(editor.received.front(), Message(29, 7.0));  // zoom 59 never reaches the editor
    EXPECT_EQ(target.controller.getValue(5), 0.8f);
    EXPECT_EQ(target.host.calls.size(), 12u * 3u);  // 0..11 forwarded (12 has no host parameter)
    EXPECT_EQ(manager.head, 0);                     // a restore records no history

    std::memcpy(chunk.data() + 4, "HVTN", 4);  // the product code big-endian is accepted too
    target.setChunk(chunk);
    EXPECT_EQ(target.controller.traced.front(), Message(29, 7.0));
}

TEST_F(velvaTonControllerTest, ForeignOrTruncatedChunkRestoresNothingButResendsSetupA) {
    Instance instance;
    std::vector<uint8_t> foreign = instance.chunk();
    std::vector<uint8_t> truncated(foreign.begin(), foreign.end() - 1);  // last entry runs past the end
    std::memcpy(foreign.data() + 4, "ABCD", 4);
    instance.manager().selectPreset(15);
    instance.controller.setParameter(4, 0.9);
    HRXPresetRecord bankBefore[43];
    std::memcpy(bankBefore, instance.manager().workingBank, sizeof bankBefore);
    const HRXPresetRecord setupBefore = instance.manager().setupA.current;
    for (const std::vector<uint8_t>& bytes : {foreign, truncated}) {
        instance.setChunk(bytes);
        EXPECT_EQ(std::memcmp(instance.manager().workingBank, bankBefore, sizeof bankBefore), 0);
        EXPECT_EQ(std::memcmp(&instance.manager().setupA.current, &setupBefore, sizeof setupBefore), 0);
        EXPECT_EQ(instance.manager().presetIndex, 15);
        EXPECT_EQ(instance.controller.traced, setupAValues(setupBefore));
    }
}

}  // namespace
