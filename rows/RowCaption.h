// The text of a row in the name column.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TWaveRow;

// Keeps the last depth + 1 levels of a hierarchical name, prefixed with "{k}", k the number of
// levels left out; a negative depth, or a name with no more than depth "/", stays whole.
std::string ApplyNameDepth(std::string_view text, int32_t depth);

// "Group : " or "Compare : " and the signal's name for group and compare rows; the own name
// (an element suffix) under a plain compound row; else the full name; then the name depth.
std::string RowCaption(const TWaveRow& row);
