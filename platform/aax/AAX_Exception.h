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
    AAX_Result Result() const { return result_; }
    const std::string& What() const { return what_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    AAX_Result result_;
    std::string what_;
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
    operator AAX_Result() const { return result_; }  // NOLINT

private:
    void Check(AAX_Result result);
    AAX_Result result_ = 0;
};
