#pragma once
// Number text conversions the standard library may lack (libc++ 14, as in
// Debian's emscripten, has no floating-point to_chars or from_chars and no
// bit_cast). The program calls the functions of sferonda::platform for
// floating point (std's for integers, which every library has); where
// the library has the standard ones they are those, otherwise the
// stand-ins below, whose results are the same byte for byte. Defining
// SFERONDA_CHARCONV_STANDINS takes the stand-ins anyway, so that a native
// build can be checked against the standard functions.
//
// The stand-ins build on the C library, whose conversions are exact: the
// standard defines to_chars with a precision as printf in the C locale,
// and strtof/strtod round correctly. The program never sets a locale, so
// the C library works in the "C" locale here.

#include <cassert>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <system_error>
#include <type_traits>
#if __has_include(<bit>)
#include <bit>
#endif

namespace sferonda {

namespace charconv_standin {

// `value` with `precision` digits after the point, in fixed ("%.*f") or
// scientific ("%.*e") notation, as std::to_chars writes it.
inline std::to_chars_result to_chars(char* first, char* last, float value, std::chars_format format, int precision) {
    assert(format == std::chars_format::fixed || format == std::chars_format::scientific);
    // C libraries spell these differently (a NaN's sign, for one): written
    // here as the standard library does.
    if (!std::isfinite(value)) {
        const char* const text = std::isnan(value) ? (std::signbit(value) ? "-nan" : "nan")
                                                   : (value < 0 ? "-inf" : "inf");
        const std::size_t length = std::strlen(text);
        if (length > static_cast<std::size_t>(last - first)) return {last, std::errc::value_too_large};
        std::memcpy(first, text, length);
        return {first + length, std::errc{}};
    }
    const char* pattern = format == std::chars_format::fixed ? "%.*f" : "%.*e";
    const int length = std::snprintf(first, static_cast<std::size_t>(last - first), pattern, precision,
                                     static_cast<double>(value));
    if (length < 0 || length >= last - first) return {last, std::errc::value_too_large};
    return {first + length, std::errc{}};
}

// Longest text the program hands to from_chars: a sign, 801 digits and an exponent.
constexpr std::size_t FROM_CHARS_TEXT_LIMIT = 1024;

// The number in [first, last), a decimal in the form from_chars takes
// ([-]digits[.digits][e[+|-]digits], inf, nan): the value strtof or strtod
// gives, or, where that is an infinity or a zero for lack of range,
// result_out_of_range with `value` untouched. A subnormal is in range.
template <typename T>
std::from_chars_result from_chars(const char* first, const char* last, T& value) {
    static_assert(std::is_same_v<T, float> || std::is_same_v<T, double>);
    const auto length = static_cast<std::size_t>(last - first);
    assert(length < FROM_CHARS_TEXT_LIMIT);
    char text[FROM_CHARS_TEXT_LIMIT];
    std::memcpy(text, first, length);
    text[length] = '\0';
    char* end = nullptr;
    errno = 0;
    T read{};
    if constexpr (std::is_same_v<T, float>) {
        read = std::strtof(text, &end);
    } else {
        read = std::strtod(text, &end);
    }
    if (end == text) return {first, std::errc::invalid_argument};
    const char* stop = first + (end - text);
    if (errno == ERANGE && (read == 0 || read == std::numeric_limits<T>::infinity() ||
                            read == -std::numeric_limits<T>::infinity())) {
        return {stop, std::errc::result_out_of_range};
    }
    value = read;
    return {stop, std::errc{}};
}

template <typename To, typename From>
To bit_cast(const From& from) {
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

}  // namespace charconv_standin

namespace platform {

#if defined(__cpp_lib_to_chars) && !defined(SFERONDA_CHARCONV_STANDINS)
using std::from_chars;
using std::to_chars;
#else
using charconv_standin::from_chars;
using charconv_standin::to_chars;
#endif

#if defined(__cpp_lib_bit_cast)
using std::bit_cast;
#else
using charconv_standin::bit_cast;
#endif

}  // namespace platform

}  // namespace sferonda
