#include "HRXPresetContainer.h"
#include "HRXPresetManager.h"
#include "HRX_AAX_ControllerWrapper.h"
#include "PresetTestSupport.h"
#include "velvaTonController.h"

#include <cstring>
#include <memory>

#include <gtest/gtest.h>

namespace {

using Message = std::pair<int32_t, double>;

class TracedController : public HRX_AAX_ControllerWrapper {
public:
    using HRX_AAX_ControllerWrapper::HRX_AAX_ControllerWrapper;
    void setParameter(int32_t index, double value) override {
        traced.emplace_back(index, value);
        HRX_AAX_ControllerWrapper::setParameter(index, value);
    }
    std::vector<Message> traced;
};

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

    RecordingHostParameters host;
    TracedController controller;
};

class velvaTonControllerTest : public ::testing::Test {
protected:
    TemporaryUserHome home;
    ManualClock clock;
};

std::vector<Message> setupAValues(const HRXPresetRecord& record) {
    std::vector<Message> values;
    for (int32_t i = 0; i < 12; ++i)
        values.emplace_back(i, static_cast<double>(record.values[i]));
    return values;
}

TEST_F(velvaTonControllerTest, ChunkIsPrefixAndBankForm) {
    Instance instance;
    instance.controller.setParameter(5, 0.8);
    uint8_t* data = nullptr;
    EXPECT_EQ(instance.product().getChunk(&data), 1225);
    ASSERT_EQ(data, instance.manager().chunkScratch);
    const uint8_t prefix[13] = {0, 0, 0, 2, 'N', 'T', 'V', 'H', 'N', 'T', 'V', 'H', 0x38};
    EXPECT_EQ(std::memcmp(data, prefix, sizeof prefix), 0);
    // The current setup went over bank record 0 before writing.
    EXPECT_EQ(instance.manager().workingBank[0].values[5], 0.8f);
    const std::vector<uint8_t> bank = serializeBank(instance.manager().workingBank, 0, instance.manager().zoomPercent);
    EXPECT_EQ(std::memcmp(data + 8, bank.data(), bank.size()), 0);
    EXPECT_EQ(data[1225], 0);  // the scratch is zeroed behind the chunk
}

TEST_F(velvaTonControllerTest, ChunkRoundTripRestoresBankAuxWordAndZoom) {
    std::vector<uint8_t> saved;
    HRXPresetRecord savedBank[3];
    {
        Instance source;
        source.manager().selectPreset(15);  // "Kick"
        source.controller.setParameter(5, 0.8);
        source.manager().auxWord = 7;
        source.manager().zoomPercent = 150;
        setPresetRecordName(source.manager().workingBank[2], "Bank Two");
        saved = source.chunk();
        std::memcpy(savedBank, source.manager().workingBank, sizeof savedBank);
    }
    ASSERT_EQ(saved.size(), 1225u);
    Instance target;
    RecordingEditor editor;
    target.controller.setEditor(&editor);
    target.product().setChunk(saved.data(), static_cast<int32_t>(saved.size()), nullptr);

    HRXPresetManager& manager = target.manager();
    for (int record = 0; record < 3; ++record) {
        EXPECT_STREQ(manager.workingBank[record].name, savedBank[record].name);
        for (int index : {0, 2, 3, 4, 5, 6, 7})  // the stored parameters; spare slots come from the template
            EXPECT_EQ(manager.workingBank[record].values[index], savedBank[record].values[index]) << index;
        EXPECT_EQ(manager.workingBank[record].values[1], 0.0f);
    }
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
    EXPECT_EQ(manager.head, 0);  // a restore records no history

    // The same chunk written big-endian in its code word is accepted too.
    std::memcpy(saved.data() + 4, "HVTN", 4);
    target.controller.traced.clear();
    target.product().setChunk(saved.data(), static_cast<int32_t>(saved.size()), nullptr);
    EXPECT_EQ(target.controller.traced.front(), Message(29, 7.0));
}

TEST_F(velvaTonControllerTest, ForeignOrTruncatedChunkRestoresNothingButResendsSetupA) {
    Instance instance;
    std::vector<uint8_t> chunk = instance.chunk();
    instance.manager().selectPreset(15);
    instance.controller.setParameter(4, 0.9);
    HRXPresetRecord bankBefore[43];
    std::memcpy(bankBefore, instance.manager().workingBank, sizeof bankBefore);
    const HRXPresetRecord setupBefore = instance.manager().setupA.current;

    std::vector<uint8_t> foreign = chunk;
    std::memcpy(foreign.data() + 4, "ABCD", 4);
    std::vector<uint8_t> truncated(chunk.begin(), chunk.end() - 1);  // last entry runs past the end
    for (const std::vector<uint8_t>* bytes : {&foreign, &truncated}) {
        instance.controller.traced.clear();
        instance.product().setChunk(bytes->data(), static_cast<int32_t>(bytes->size()), nullptr);
        EXPECT_EQ(std::memcmp(instance.manager().workingBank, bankBefore, sizeof bankBefore), 0);
        EXPECT_EQ(std::memcmp(&instance.manager().setupA.current, &setupBefore, sizeof setupBefore), 0);
        EXPECT_EQ(instance.manager().presetIndex, 15);
        EXPECT_EQ(instance.controller.traced, setupAValues(setupBefore));
    }
}

TEST_F(velvaTonControllerTest, WithoutPresetManagerThereIsNoChunk) {
    RecordingHostParameters host;
    HRX_AAX_ControllerWrapper bare(&host);
    velvaTonController product(&bare);
    uint8_t marker = 0;
    uint8_t* data = &marker;
    EXPECT_EQ(product.getChunk(&data), 0);
    EXPECT_EQ(data, &marker);
    product.setChunk(&marker, 1, nullptr);
    EXPECT_TRUE(host.calls.empty());
}

}  // namespace
