#pragma once

#include "AAX.h"

// Result codes. The first group is fixed by the plug-in format; the codes
// from -20017 on are those this framework and host use for their own checks.
enum AAX_EError : AAX_Result {
    AAX_SUCCESS = 0,
    AAX_ERROR_INVALID_PARAMETER_ID = -20001,
    AAX_ERROR_INVALID_STRING_CONVERSION = -20002,
    AAX_ERROR_NULL_OBJECT = -20004,
    AAX_ERROR_INVALID_CHUNK_INDEX = -20006,
    AAX_ERROR_INVALID_CHUNK_ID = -20007,
    AAX_ERROR_INCORRECT_CHUNK_SIZE = -20008,
    AAX_ERROR_UNIMPLEMENTED = -20009,
    AAX_ERROR_INVALID_PARAMETER_INDEX = -20010,
    AAX_ERROR_NOT_INITIALIZED = -20011,
    AAX_ERROR_PORT_ID_OUT_OF_RANGE = -20016,
    AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS = -20017,
    AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS = -20018,
    AAX_ERROR_POST_PACKET_FAILED = -20021,
    AAX_ERROR_INVALID_FIELD_INDEX = -20025,
    AAX_ERROR_MALFORMED_CHUNK = -20026,
    AAX_ERROR_UNKNOWN_EXCEPTION = -20042,
    AAX_ERROR_INVALID_ARGUMENT = -20061,
    AAX_ERROR_PLUGIN_NOT_LOADED = -20062,      // host: no library, or a bad one
    AAX_ERROR_INVALID_DESCRIPTION = -20063,    // host: description failed its checks
    AAX_ERROR_INSTANCES_ALIVE = -20064,        // host: unload refused while instances live
    AAX_ERROR_RENDER_THREAD_RUNNING = -20065,  // host: the instance's render thread renders
};
