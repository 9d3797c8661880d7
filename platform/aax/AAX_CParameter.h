#pragma once

#include <memory>
#include <string>
#include <type_traits>

#include "AAX_CString.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IDisplayDelegate.h"
#include "AAX_IParameter.h"
#include "AAX_ITaperDelegate.h"

// A host parameter holding a real value of type T (bool, int32_t, float or
// double); the taper maps it to the normalised domain, the display to text.
// The delegates are cloned. New parameters are continuous with 128 steps
// (bool: discrete, 2 steps).
template <typename T>
class AAX_CParameter : public AAX_IParameter {
public:
    AAX_CParameter(AAX_CParamID identifier, const char* name, T defaultValue,
                   const AAX_ITaperDelegate<T>& taper, const AAX_IDisplayDelegate<T>& display,
                   bool automatable)
        : mIdentifier(identifier ? identifier : ""),
          mName(name ? name : ""),
          mTaper(taper.Clone()),
          mDisplay(display.Clone()),
          mAutomatable(automatable),
          mDefault(taper.ConstrainRealValue(defaultValue)),
          mValue(mDefault),
          mSteps(std::is_same<T, bool>::value ? 2u : 128u),
          mType(std::is_same<T, bool>::value ? AAX_eParameterType_Discrete : AAX_eParameterType_Continuous) {}

    AAX_CParamID Identifier() const override { return mIdentifier.c_str(); }
    const AAX_CString& Name() const override { return mName; }
    void SetName(const char* name) override { mName.Set(name); }
    bool Automatable() const override { return mAutomatable; }
    void SetAutomationDelegate(AAX_IAutomationDelegate* delegate) override { mDelegate = delegate; }

    T GetValue() const { return mValue; }
    // Requests the real value of the host, as SetNormalizedValue does.
    void SetValue(T value) { SetNormalizedValue(mTaper->RealToNormalized(value)); }

    double GetNormalizedValue() const override { return mTaper->RealToNormalized(mValue); }

    void SetNormalizedValue(double normalizedValue) override {
        normalizedValue = Clamp(normalizedValue);
        if (mDelegate) {
            if (mTaper->NormalizedToReal(normalizedValue) != mValue) {
                mDelegate->PostSetValueRequest(Identifier(), normalizedValue);
            }
        } else {
            UpdateNormalizedValue(normalizedValue);
        }
    }

    void UpdateNormalizedValue(double normalizedValue) override {
        mValue = mTaper->NormalizedToReal(Clamp(normalizedValue));
    }

    double GetNormalizedDefaultValue() const override { return mTaper->RealToNormalized(mDefault); }
    void SetNormalizedDefaultValue(double normalizedValue) override {
        mDefault = mTaper->NormalizedToReal(Clamp(normalizedValue));
    }
    void SetToDefaultValue() override { SetNormalizedValue(GetNormalizedDefaultValue()); }

    uint32_t GetNumberOfSteps() const override { return mSteps; }
    void SetNumberOfSteps(uint32_t steps) override { mSteps = steps; }
    AAX_EParameterType GetType() const override { return mType; }
    void SetType(AAX_EParameterType type) override { mType = type; }

    void Touch() override {
        if (mDelegate) mDelegate->PostTouchRequest(Identifier());
    }
    void Release() override {
        if (mDelegate) mDelegate->PostReleaseRequest(Identifier());
    }

    bool GetValueString(AAX_CString* text) const override { return mDisplay->ValueToString(mValue, text); }
    bool GetValueString(int32_t maxChars, AAX_CString* text) const override {
        return mDisplay->ValueToString(mValue, maxChars, text);
    }
    bool GetStringFromNormalizedValue(double normalizedValue, AAX_CString& text) const override {
        return mDisplay->ValueToString(mTaper->NormalizedToReal(normalizedValue), &text);
    }
    bool GetStringFromNormalizedValue(double normalizedValue, int32_t maxChars,
                                      AAX_CString& text) const override {
        return mDisplay->ValueToString(mTaper->NormalizedToReal(normalizedValue), maxChars, &text);
    }
    bool GetNormalizedValueFromString(const AAX_CString& text, double* normalizedValue) const override {
        T value{};
        if (!normalizedValue || !mDisplay->StringToValue(text, &value)) return false;
        *normalizedValue = mTaper->RealToNormalized(value);
        return true;
    }

    bool GetValueAsBool(bool* value) const override { return Read(value); }
    bool GetValueAsInt32(int32_t* value) const override { return Read(value); }
    bool GetValueAsFloat(float* value) const override { return Read(value); }
    bool GetValueAsDouble(double* value) const override { return Read(value); }

private:
    static double Clamp(double value) {
        if (!(value >= 0.0)) return 0.0;
        return value > 1.0 ? 1.0 : value;
    }

    template <typename U>
    bool Read(U* value) const {
        if constexpr (std::is_same<T, U>::value) {
            if (!value) return false;
            *value = mValue;
            return true;
        } else {
            (void)value;
            return false;
        }
    }

    std::string mIdentifier;
    AAX_CString mName;
    std::unique_ptr<AAX_ITaperDelegate<T>> mTaper;
    std::unique_ptr<AAX_IDisplayDelegate<T>> mDisplay;
    AAX_IAutomationDelegate* mDelegate = nullptr;
    bool mAutomatable;
    T mDefault;
    T mValue;
    uint32_t mSteps;
    AAX_EParameterType mType;
};
