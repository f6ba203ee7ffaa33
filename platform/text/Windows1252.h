// Document texts are 8-bit and shown as Windows-1252; these convert them for Unicode surfaces.
#pragma once

#include <string>
#include <string_view>

std::string Windows1252ToUtf8(std::string_view text);
