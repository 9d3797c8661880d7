#pragma once

#include <cstddef>
#include <cstdint>

// Basic types and enumerations shared by the plug-in side of the framework and
// the host. All numbering below is what plug-in and host agree on; values a
// description uses are fixed by the plug-in format, the rest are ours.

typedef int32_t AAX_Result;        // 0 success, negative AAX_ERROR_* codes
typedef uint32_t AAX_CTypeID;      // four-character code, see AAX_FourCC.h
typedef const char* AAX_CParamID;  // parameter identifier, NUL-terminated
typedef uint8_t AAX_CBoolean;      // 0 false, 1 true
typedef int32_t AAX_CFieldIndex;   // position of a field in the render state
typedef float AAX_CSampleRate;
typedef int32_t AAX_CPropertyValue;
typedef int32_t AAX_CProcPtrID;

// Field index of a member of a render-state struct whose members are all
// pointer-sized (every render-state field is one pointer-sized slot).
#define AAX_FIELD_INDEX(ContextType, member) static_cast<AAX_CFieldIndex>(offsetof(ContextType, member) / sizeof(void*))

// Largest field index a render state may declare.
constexpr AAX_CFieldIndex kAAX_MaxFieldIndex = 63;

// Render procedure: the host calls it on its real-time thread with a
// contiguous array of render-state pointers [begin, end). Each element is the
// address of an array of pointer-sized slots, one per field index; cast it to
// the plug-in's own render-state struct. Slot contents by field kind:
//   data-in port   pointer to the port's packet bytes (packet size as declared)
//   audio in/out   float* const*: one channel pointer per channel of the stem
//   buffer length  const int32_t*: frames in this block (1..4096)
//   sample rate    const AAX_CSampleRate*
//   meters         float*: the meter taps, one float per declared meter id, in
//                  declaration order; the host reads and zeroes them after
//                  every render call
//   MIDI node      AAX_IMIDINode*
//   private data   pointer to the private block (initialised by ResetFieldData)
typedef void (*AAX_CProcessProc)(void* const inInstancesBegin[], const void* inInstancesEnd);

// Procedure ids of AAX_IEffectDescriptor::AddProcPtr. The host calls the
// creation procedures with no argument; each answers a new object that the
// host owns and deletes.
enum AAX_EProcPtrID : AAX_CProcPtrID {
    kAAX_ProcPtrID_Create_EffectParameters = 0,  // AAX_IEffectParameters* (*)()
    kAAX_ProcPtrID_Create_EffectGUI = 1,         // AAX_IEffectGUI* (*)()
    kAAX_ProcPtrID_Create_EffectDirectData = 5,  // AAX_IEffectDirectData* (*)()
};

class AAX_IEffectParameters;
class AAX_IEffectDirectData;
class AAX_IEffectGUI;
typedef AAX_IEffectParameters* (*AAX_CCreateEffectParametersProc)();
typedef AAX_IEffectGUI* (*AAX_CCreateEffectGUIProc)();
typedef AAX_IEffectDirectData* (*AAX_CCreateEffectDirectDataProc)();

enum AAX_EDataInPortType : uint32_t {
    AAX_eDataInPortType_Unbuffered = 0,
    AAX_eDataInPortType_Buffered = 1,
};

enum AAX_EMIDINodeType : uint32_t {
    AAX_eMIDINodeType_LocalInput = 0,
    AAX_eMIDINodeType_LocalOutput = 1,
    AAX_eMIDINodeType_Global = 2,
    AAX_eMIDINodeType_Transport = 3,
};

enum AAX_EPrivateDataOptions : uint32_t {
    AAX_ePrivateDataOptions_DefaultOptions = 0,
};

// Stem format: layout index << 16 | channel count.
constexpr int32_t AAX_STEM_FORMAT(int32_t layoutIndex, int32_t channels) {
    return (layoutIndex << 16) | channels;
}
constexpr int32_t AAX_STEM_FORMAT_CHANNEL_COUNT(int32_t stemFormat) {
    return stemFormat & 0xFFFF;
}

enum AAX_EStemFormat : int32_t {
    AAX_eStemFormat_Mono = AAX_STEM_FORMAT(0, 1),    // 1
    AAX_eStemFormat_Stereo = AAX_STEM_FORMAT(1, 2),  // 0x10002
    AAX_eStemFormat_None = -100,
};

// Property numbers used in descriptions.
enum AAX_EProperty : int32_t {
    AAX_eProperty_ManufacturerID = 11,
    AAX_eProperty_ProductID = 12,
    AAX_eProperty_PlugInID_Native = 13,
    AAX_eProperty_PlugInID_AudioSuite = 14,
    AAX_eProperty_InputStemFormat = 51,
    AAX_eProperty_OutputStemFormat = 52,
    AAX_eProperty_CanBypass = 60,
    AAX_eProperty_Meter_Type = 200,
    AAX_eProperty_Meter_Orientation = 201,
    AAX_eProperty_Meter_Ballistics = 202,
};

enum AAX_EMeterType : int32_t {
    AAX_eMeterType_Input = 0,
    AAX_eMeterType_Output = 1,
    AAX_eMeterType_CLGain = 2,  // compressor or limiter gain reduction
    AAX_eMeterType_Other = 5,
};

enum AAX_EMeterOrientation : int32_t {
    AAX_eMeterOrientation_Default = 0,
};

enum AAX_EMeterBallisticType : int32_t {
    AAX_eMeterBallisticType_Host = 0,
    AAX_eMeterBallisticType_NoDecay = 1,
};

enum AAX_EPlugInCategory : uint32_t {
    AAX_ePlugInCategory_None = 0,
    AAX_ePlugInCategory_EQ = 1,
    AAX_ePlugInCategory_Dynamics = 2,
};

enum AAX_EResourceType : int32_t {
    AAX_eResourceType_None = 0,
    AAX_eResourceType_PageTable = 1,
};

// Who caused a parameter update that the host reports to the plug-in.
enum AAX_EUpdateSource : int32_t {
    AAX_eUpdateSource_Unspecified = 0,  // user gesture or automation playback
    AAX_eUpdateSource_Parameter = 1,    // another parameter's change
    AAX_eUpdateSource_Chunk = 2,        // a chunk being restored
    AAX_eUpdateSource_Delay = 3,        // a delayed update
};

enum AAX_EParameterType : int32_t {
    AAX_eParameterType_Discrete = 0,
    AAX_eParameterType_Continuous = 1,
};

// A host-stored chunk record: header followed by fSize data bytes. The host
// allocates AAX_ChunkRecordSize(data size) bytes; fData is the first data byte.
struct AAX_SPlugInChunk {
    int32_t fSize;  // number of data bytes behind the header
    int32_t fVersion;
    AAX_CTypeID fManufacturerID;
    AAX_CTypeID fProductID;
    AAX_CTypeID fPlugInID;
    AAX_CTypeID fChunkID;
    char fName[32];  // NUL-terminated
    char fData[1];
};

constexpr size_t kAAX_ChunkHeaderSize = offsetof(AAX_SPlugInChunk, fData);

// Bytes to allocate for a chunk record carrying dataSize data bytes.
constexpr size_t AAX_ChunkRecordSize(uint32_t dataSize) {
    return kAAX_ChunkHeaderSize + (dataSize > 0 ? dataSize : 1);
}

// MIDI stream of a MIDI node (the local input node delivers an empty one).
struct AAX_CMidiPacket {
    uint32_t timestamp_;
    uint32_t length_;
    unsigned char data_[4];
    AAX_CBoolean isImmediate_;
};

struct AAX_CMidiStream {
    uint32_t bufferSize_;
    AAX_CMidiPacket* buffer_;
};

// Identifier of the framework's master bypass parameter.
extern const char* const cDefaultMasterBypassID;  // "MasterBypassID"
