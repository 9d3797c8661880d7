#pragma once

#include <exception>
#include <string>

#include "AAX.h"

namespace AAX {
namespace Exception {

// A failed framework result carried as an exception (thrown only by
// AAX_CheckedResult). What() gives "AAX error <code>".
class ResultError : public std::exception {
public:
    explicit ResultError(AAX_Result result);
    AAX_Result Result() const { return mResult; }
    const std::string& What() const { return mWhat; }
    const char* what() const noexcept override { return mWhat.c_str(); }

private:
    AAX_Result mResult;
    std::string mWhat;
};

}  // namespace Exception
}  // namespace AAX

// Holds a result; assigning a failing one throws AAX::Exception::ResultError.
// For description code whose entry point catches exceptions.
class AAX_CheckedResult {
public:
    AAX_CheckedResult() = default;
    AAX_CheckedResult(AAX_Result result) { Check(result); }  // NOLINT: implicit by design
    AAX_CheckedResult& operator=(AAX_Result result) {
        Check(result);
        return *this;
    }
    operator AAX_Result() const { return mResult; }  // NOLINT

private:
    void Check(AAX_Result result);
    AAX_Result mResult = 0;
};
