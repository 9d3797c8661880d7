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
    AAX_CParameter(AAX_CParamID identifier, const char* name, T defaultValue, const AAX_ITaperDelegate<T>& taper,
                   const AAX_IDisplayDelegate<T>& display, bool automatable)
        : identifier_(identifier ? identifier : ""),
          name_(name ? name : ""),
          taper_(taper.Clone()),
          display_(display.Clone()),
          automatable_(automatable),
          default_(taper.ConstrainRealValue(defaultValue)),
          value_(default_),
          steps_(std::is_same<T, bool>::value ? 2u : 128u),
          type_(std::is_same<T, bool>::value ? AAX_eParameterType_Discrete : AAX_eParameterType_Continuous) {}

    AAX_CParamID Identifier() const override { return identifier_.c_str(); }
    const AAX_CString& Name() const override { return name_; }
    void SetName(const char* name) override { name_.Set(name); }
    bool Automatable() const override { return automatable_; }
    void SetAutomationDelegate(AAX_IAutomationDelegate* delegate) override { delegate_ = delegate; }

    T GetValue() const { return value_; }
    // Requests the real value of the host, as SetNormalizedValue does.
    void SetValue(T value) { SetNormalizedValue(taper_->RealToNormalized(value)); }

    double GetNormalizedValue() const override { return taper_->RealToNormalized(value_); }

    void SetNormalizedValue(double normalizedValue) override {
        normalizedValue = Clamp(normalizedValue);
        if (delegate_) {
            if (taper_->NormalizedToReal(normalizedValue) != value_) {
                delegate_->PostSetValueRequest(Identifier(), normalizedValue);
            }
        } else {
            UpdateNormalizedValue(normalizedValue);
        }
    }

    void UpdateNormalizedValue(double normalizedValue) override {
        value_ = taper_->NormalizedToReal(Clamp(normalizedValue));
    }

    double GetNormalizedDefaultValue() const override { return taper_->RealToNormalized(default_); }
    void SetNormalizedDefaultValue(double normalizedValue) override {
        default_ = taper_->NormalizedToReal(Clamp(normalizedValue));
    }
    void SetToDefaultValue() override { SetNormalizedValue(GetNormalizedDefaultValue()); }

    uint32_t GetNumberOfSteps() const override { return steps_; }
    void SetNumberOfSteps(uint32_t steps) override { steps_ = steps; }
    AAX_EParameterType GetType() const override { return type_; }
    void SetType(AAX_EParameterType type) override { type_ = type; }

    void Touch() override {
        if (delegate_)
            delegate_->PostTouchRequest(Identifier());
    }
    void Release() override {
        if (delegate_)
            delegate_->PostReleaseRequest(Identifier());
    }

    bool GetValueString(AAX_CString* text) const override { return display_->ValueToString(value_, text); }
    bool GetValueString(int32_t maxChars, AAX_CString* text) const override {
        return display_->ValueToString(value_, maxChars, text);
    }
    bool GetStringFromNormalizedValue(double normalizedValue, AAX_CString& text) const override {
        return display_->ValueToString(taper_->NormalizedToReal(normalizedValue), &text);
    }
    bool GetStringFromNormalizedValue(double normalizedValue, int32_t maxChars, AAX_CString& text) const override {
        return display_->ValueToString(taper_->NormalizedToReal(normalizedValue), maxChars, &text);
    }
    bool GetNormalizedValueFromString(const AAX_CString& text, double* normalizedValue) const override {
        T value{};
        if (!normalizedValue || !display_->StringToValue(text, &value))
            return false;
        *normalizedValue = taper_->RealToNormalized(value);
        return true;
    }

    bool GetValueAsBool(bool* value) const override { return Read(value); }
    bool GetValueAsInt32(int32_t* value) const override { return Read(value); }
    bool GetValueAsFloat(float* value) const override { return Read(value); }
    bool GetValueAsDouble(double* value) const override { return Read(value); }

private:
    static double Clamp(double value) {
        if (!(value >= 0.0))
            return 0.0;
        return value > 1.0 ? 1.0 : value;
    }

    template <typename U>
    bool Read(U* value) const {
        if constexpr (std::is_same<T, U>::value) {
            if (!value)
                return false;
            *value = value_;
            return true;
        } else {
            (void)value;
            return false;
        }
    }

    std::string identifier_;
    AAX_CString name_;
    std::unique_ptr<AAX_ITaperDelegate<T>> taper_;
    std::unique_ptr<AAX_IDisplayDelegate<T>> display_;
    AAX_IAutomationDelegate* delegate_ = nullptr;
    bool automatable_;
    T default_;
    T value_;
    uint32_t steps_;
    AAX_EParameterType type_;
};
