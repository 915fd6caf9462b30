#pragma once
// GoogleTest parameter names made from the title of each table case.

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace sferonda::testing {

// The case's `title` with every character but letters and digits turned into '_'.
struct NameFromTitle {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        std::string name = info.param.title;
        for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    }
};

}  // namespace sferonda::testing
