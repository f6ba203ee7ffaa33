// Display texts of logic vectors: their elements as a bit string ("0", "1", "Z", "U"), shown
// in hexadecimal, unsigned or signed decimal, binary or as an instruction.
#pragma once

#include "model/signals/WaveValue.h"
#include "model/types/RowFormat.h"

#include <string>
#include <string_view>
#include <vector>

class TWaveDataType;

// One hexadecimal digit per group of four characters, the first group padded on the left with
// "0"; "?" for a group with a character other than "0" and "1".
std::string BitsToHex(std::string_view bits);
// "***" for 32 bits or more, "???" when a character is not "0" or "1".
std::string BitsToUnsigned(std::string_view bits);
// As BitsToUnsigned, negative when the first bit is "1".
std::string BitsToSigned(std::string_view bits);
// The row's disassembler's text when its word width is the bit count; otherwise hexadecimal.
std::string BitsToInstruction(std::string_view bits, const std::string& disassembler);

// The vector display of a value whose elements are of a std_logic-like element type.
std::string LogicVectorDisplay(const TCompoundValue& value, const TRowFormat& format,
                               const TWaveDataType& element);
// The vector display of a value of CUPL elements.
std::string CUPLVectorDisplay(const TCompoundValue& value, const TRowFormat& format,
                              const TWaveDataType& element);
// "{", the elements' displays separated by ", ", "}"; empty when the value is Empty. A nil
// element type shows nothing for its element.
std::string BracedDisplay(const TCompoundValue& value, const TRowFormat& format,
                          const TWaveDataType* element);
std::string BracedDisplay(const TCompoundValue& value, const TRowFormat& format,
                          const std::vector<TWaveDataType*>& elementTypes);
