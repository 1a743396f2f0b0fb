#pragma once
#include <cstddef>
#include <functional>
#include <string>

namespace kurvo::test {

// Text as the engine holds it: UTF-8 source literals (plain "..." strings, the source is UTF-8) converted to
// Windows-1252 bytes (so "x²" becomes "x\xB2").
std::string cp1252(const std::string& utf8);

// Runs `write` with files limited to `bytes`, as a full disk looks to a
// writer (writes past it fail with EFBIG, "File too large").
void WithFileSizeLimit(size_t bytes, const std::function<void()>& write);

}  // namespace kurvo::test
