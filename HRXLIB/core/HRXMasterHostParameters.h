#pragma once

// The host-side parameter objects as the controller sees them: an edit is a
// touch, a new normalised value and a release, addressed by the slot's host
// identifier. Identifiers the host does not know are ignored.
class HRXMasterHostParameters {
public:
    virtual ~HRXMasterHostParameters() = default;
    virtual void touchParameter(const char* identifier) = 0;
    virtual void setParameterNormalizedValue(const char* identifier, double value) = 0;
    virtual void releaseParameter(const char* identifier) = 0;
};
