#pragma once
// The families dialog's number field takes digits only: a key whose key
// code (the Windows virtual-key numbering the field always used) lies from
// 65 to 122, other than the keypad digits 96 to 105, is refused with
// "Only numeric chars" and empties the field.
#include <string>

namespace kurvo {

extern const char kOnlyNumericChars[];

bool FamilyCountKeyRefused(int keyCode);

// The key code of the key that types `c` on a plain keyboard: letters are
// 65 to 90, digits 48 to 57, other characters 0 (never refused).
int KeyCodeOfCharacter(char c);

// Types `text` into the number field one key at a time, at most two
// characters kept. Each refused key empties the field and calls `refused`.
template <typename Refused>
std::string TypeFamilyCount(const std::string& text, Refused refused) {
    std::string field;
    for (const char c : text) {
        if (FamilyCountKeyRefused(KeyCodeOfCharacter(c))) {
            refused();
            field.clear();
        } else if (field.size() < 2) {
            field += c;
        }
    }
    return field;
}

}  // namespace kurvo
