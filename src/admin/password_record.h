#pragma once
// The administrator password kept in pass.dat: one 13-byte record, a
// length byte (0 to 12) followed by 12 character bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace kurvo {

constexpr size_t kPasswordRecordSize = 13;
constexpr size_t kPasswordCapacity = 12;

using PasswordBytes = std::array<uint8_t, kPasswordRecordSize>;

// Longer texts keep their first 12 characters; unused bytes are 0.
PasswordBytes SerializePassword(const std::string& password);
// A damaged length byte is clamped to 12.
std::string DeserializePassword(const uint8_t* bytes);

// The password dialog's check: letter case is ignored and only the first
// 12 typed characters count.
bool PasswordAccepted(const std::string& typed, const std::string& stored);

// The password teachers find in a fresh data folder.
inline constexpr const char* kFirstPassword = "kurvo32";

}  // namespace kurvo
