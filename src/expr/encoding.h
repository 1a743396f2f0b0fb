#pragma once
// The engine's text is Windows-1252 ("²" is 0xB2, "³" 0xB3). Conversion
// to and from UTF-8 happens only at the program's edges.
#include <string>
#include <string_view>

namespace kurvo {

std::string Utf8ToCp1252(std::string_view utf8);   // unmappable -> '?'
// The same, false when a character has no Windows-1252 code (or the bytes
// are not UTF-8); `lost` then gets the first such character.
bool Utf8ToCp1252Exact(std::string_view utf8, std::string& out, std::string* lost = nullptr);
std::string Cp1252ToUtf8(std::string_view text);

}  // namespace kurvo
