#pragma once
// What the password dialog's and the set-password dialog's OK do, shared
// by the window and `kurvo32 setup password`.
#include <QString>
#include <cstdint>
#include <string>

namespace kurvo {

inline constexpr const char* kIncorrectPassword = "Incorrect password.  Please try again.";
inline constexpr const char* kPasswordsDiffer =
    "The new password entries are not the same.  Please try again.";
inline constexpr const char* kPasswordChanged = "Password changed";

// Which dialog a correct password opens (`PendingAdminDialog`).
enum class AdminDialog : uint8_t { Toolbar = 0, Aliases = 1, Hotkeys = 2, InitialFolder = 3 };

struct PasswordChange {
    bool changed = false;
    std::string message;  // shown either way
};

// The set-password dialog's OK. The old password must match exactly
// (letter case counts); pass.dat is written before `record` changes, so a
// failed write keeps the old password in force.
PasswordChange ChangePassword(std::string& record, const std::string& oldText, const std::string& newText,
                              const std::string& repeatText, const QString& passFile);

}  // namespace kurvo
