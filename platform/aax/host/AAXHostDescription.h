#pragma once

#include <map>
#include <string>
#include <vector>

#include "AAX.h"

// What a host learns from a plug-in library's registration, as plain records.

enum class AAXHostFieldKind {
    AudioIn,
    AudioOut,
    BufferLength,
    SampleRate,
    DataInPort,
    PrivateData,
    Meters,
    MIDINode,
};

struct AAXHostField {
    AAX_CFieldIndex index = 0;
    AAXHostFieldKind kind = AAXHostFieldKind::AudioIn;
    uint32_t size = 0;    // packet size (port) or block size (private data)
    uint32_t option = 0;  // port type, private-data options or MIDI node type
    std::string name;     // MIDI node name
    uint32_t channelMask = 0;
    std::vector<AAX_CTypeID> meterIDs;
};

typedef std::map<int32_t, int32_t> AAXHostProperties;

// One processing variant.
struct AAXHostComponent {
    std::vector<AAXHostField> fields;  // in declaration order
    AAXHostProperties properties;      // of the native render procedure
    AAX_CProcessProc processProc = nullptr;

    const AAXHostField* field(AAX_CFieldIndex index) const;
    const AAXHostField* firstField(AAXHostFieldKind kind) const;
    bool property(AAX_EProperty property, int32_t* value) const;
    int32_t inputStemFormat() const;  // AAX_eStemFormat_None when missing
    int32_t outputStemFormat() const;
};

struct AAXHostMeter {
    AAX_CTypeID id = 0;
    std::string name;
    AAXHostProperties properties;
};

struct AAXHostResource {
    int32_t type = 0;
    std::string info;
};

struct AAXHostEffect {
    std::string id;
    std::vector<std::string> names;
    std::vector<uint32_t> categories;
    std::vector<AAXHostComponent> components;
    std::map<AAX_CProcPtrID, void*> procs;
    std::vector<AAXHostResource> resources;
    std::vector<AAXHostMeter> meters;  // in description order

    const AAXHostMeter* meter(AAX_CTypeID id) const;
};

struct AAXHostDescription {
    std::string manufacturerName;
    std::vector<std::string> packageNames;
    uint32_t packageVersion = 0;
    std::vector<AAXHostEffect> effects;
};

// Problems that keep this host from using the description (empty when it can):
// an effect needs an id, a name, a parameters-object creation procedure and
// at least one component; a component needs audio in and out, buffer length,
// a render procedure, input and output stem formats of 1 to 8 channels, at
// most one meters field and a description for each of its meter ids.
std::vector<std::string> AAXHostCheckDescription(const AAXHostDescription& description);
