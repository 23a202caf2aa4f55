// Builds engine inputs from a few field texts, the rest at their design texts.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "comparison.h"

inline vevi::ComparisonInputs Inputs(
    std::initializer_list<std::pair<vevi::Field, std::string>> texts = {}) {
    vevi::ComparisonInputs in;
    for (const auto& [field, text] : texts) in.Text(field) = text;
    return in;
}

// Relative closeness for figures quoted to a few significant digits.
inline bool Near(double actual, double expected, double tolerance) {
    return std::abs(actual - expected) <= tolerance;
}
