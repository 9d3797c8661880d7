#include "AAX_Exception.h"

#include "AAX_Errors.h"

AAX::Exception::ResultError::ResultError(AAX_Result result)
    : result_(result), what_("AAX error " + std::to_string(result)) {}

void AAX_CheckedResult::Check(AAX_Result result) {
    result_ = result;
    if (result != AAX_SUCCESS)
        throw AAX::Exception::ResultError(result);
}
