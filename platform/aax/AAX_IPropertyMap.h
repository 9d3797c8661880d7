#pragma once

#include "AAX.h"

// A set of (property, value) pairs made by a descriptor and owned by the host.
class AAX_IPropertyMap {
public:
    // Adds or replaces the value.
    virtual AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) = 0;
    // Answers 1 and the value when the property is present, else 0.
    virtual AAX_CBoolean GetProperty(AAX_EProperty property, AAX_CPropertyValue* value) const = 0;
    virtual AAX_Result RemoveProperty(AAX_EProperty property) = 0;

protected:
    ~AAX_IPropertyMap() = default;
};
