#pragma once

#include "ZodiacSign.h"

#include <string_view>

namespace kesto {

// The five short texts a sun-sign result shows verbatim. The lucky number is text: some signs
// have two numbers, not always ascending.
struct SignAttributeRow
{
    std::string_view element;
    std::string_view luckyNumber;
    std::string_view luckyDay;
    std::string_view compatibility;
    std::string_view birthstone;
};

const SignAttributeRow &SignAttributes(ZodiacSign sign);

} // namespace kesto
