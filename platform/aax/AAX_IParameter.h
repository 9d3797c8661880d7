#pragma once

#include "AAX.h"

class AAX_CString;
class AAX_IAutomationDelegate;

// One host parameter as the parameters object and the host see it: typeless,
// in the host's normalised 0..1 domain. Owned by AAX_CParameterManager.
class AAX_IParameter {
public:
    virtual ~AAX_IParameter() = default;

    virtual AAX_CParamID Identifier() const = 0;
    virtual const AAX_CString& Name() const = 0;
    virtual void SetName(const char* name) = 0;
    virtual bool Automatable() const = 0;
    virtual void SetAutomationDelegate(AAX_IAutomationDelegate* delegate) = 0;

    virtual double GetNormalizedValue() const = 0;
    // A change requested of the host: with an automation delegate, a set-value
    // request is posted when the value differs from the current one (the host
    // answers with UpdateParameterNormalizedValue); without one, the value is
    // set at once. Values are clamped to 0..1.
    virtual void SetNormalizedValue(double normalizedValue) = 0;
    // Sets the value inside the plug-in without calling the host.
    virtual void UpdateNormalizedValue(double normalizedValue) = 0;
    virtual double GetNormalizedDefaultValue() const = 0;
    virtual void SetNormalizedDefaultValue(double normalizedValue) = 0;
    virtual void SetToDefaultValue() = 0;

    virtual uint32_t GetNumberOfSteps() const = 0;
    virtual void SetNumberOfSteps(uint32_t steps) = 0;
    virtual AAX_EParameterType GetType() const = 0;
    virtual void SetType(AAX_EParameterType type) = 0;

    // Gesture brackets, posted to the automation delegate when there is one.
    virtual void Touch() = 0;
    virtual void Release() = 0;

    virtual bool GetValueString(AAX_CString* text) const = 0;
    virtual bool GetValueString(int32_t maxChars, AAX_CString* text) const = 0;
    virtual bool GetStringFromNormalizedValue(double normalizedValue, AAX_CString& text) const = 0;
    virtual bool GetStringFromNormalizedValue(double normalizedValue, int32_t maxChars, AAX_CString& text) const = 0;
    virtual bool GetNormalizedValueFromString(const AAX_CString& text, double* normalizedValue) const = 0;

    // Typed reads; each succeeds only for a parameter of exactly that type.
    virtual bool GetValueAsBool(bool* value) const = 0;
    virtual bool GetValueAsInt32(int32_t* value) const = 0;
    virtual bool GetValueAsFloat(float* value) const = 0;
    virtual bool GetValueAsDouble(double* value) const = 0;
};
