// A second, deliberately different reading of the integer-text rule, used as
// the oracle the fuzzer holds the product's conversion against. It works on
// digit strings (no arithmetic until a value is known to fit), whereas the
// product accumulates a capped magnitude.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace reference {

struct Reading {
    std::optional<int32_t> value; // nothing: the text is refused
    std::string message;          // the refusal's message; empty when accepted
};

Reading ReadInteger(std::string_view text);

} // namespace reference
