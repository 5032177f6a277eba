// Lets the compiler check the arguments of our printf-style functions against
// their format, where it knows how (g++ and clang++); elsewhere it is nothing.
#pragma once

#if defined(__GNUC__)
/// The function's format is argument `format_index` and its values start at
/// `first_value` (counting from 1).
#define VORL_PRINTF_FORMAT(format_index, first_value) \
  __attribute__((format(printf, format_index, first_value)))
#else
#define VORL_PRINTF_FORMAT(format_index, first_value)
#endif
