#include "encoding.h"

#include <cstdint>

namespace kurvo {

namespace {

// Windows-1252 code points 0x80..0x9F; 0 marks the five unassigned codes.
constexpr uint16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    Utf8ToCp1252Exact(utf8, out);
    return out;
}

bool Utf8ToCp1252Exact(std::string_view utf8, std::string& out, std::string* lost) {
    out.clear();
    out.reserve(utf8.size());
    bool exact = true;
    // Marks the character from byte `from` to `to` as having no code.
    const auto unmapped = [&](size_t from, size_t to) {
        if (exact && lost) *lost = std::string(utf8.substr(from, to - from));
        exact = false;
        out += '?';
    };
    for (size_t i = 0; i < utf8.size();) {
        auto c = static_cast<unsigned char>(utf8[i]);
        uint32_t cp;
        size_t len;
        if (c < 0x80) { cp = c; len = 1; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; len = 2; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; len = 3; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; len = 4; }
        else { unmapped(i, i + 1); ++i; continue; }
        bool ok = i + len <= utf8.size();
        for (size_t k = 1; ok && k < len; ++k) {
            auto cc = static_cast<unsigned char>(utf8[i + k]);
            if ((cc & 0xC0) != 0x80) ok = false;
            else cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) { unmapped(i, i + 1); ++i; continue; }
        // Overlong forms and surrogates are not UTF-8 either.
        static constexpr uint32_t kShortest[5] = {0, 0, 0x80, 0x800, 0x10000};
        i += len;
        if (cp < kShortest[len] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            unmapped(i - len, i);
            continue;
        }
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) { out += static_cast<char>(cp); continue; }
        int mapped = -1;
        for (int k = 0; k < 32; ++k)
            if (kHigh[k] && kHigh[k] == cp) mapped = 0x80 + k;
        if (mapped < 0) unmapped(i - len, i);
        else out += static_cast<char>(mapped);
    }
    return exact;
}

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c < 0xA0) AppendUtf8(out, kHigh[c - 0x80] ? kHigh[c - 0x80] : 0xFFFD);
        else AppendUtf8(out, c);
    }
    return out;
}

}  // namespace kurvo
