#include "admin/password_dialogs.h"

#include "admin/password_record.h"
#include "workspace/data_files.h"

namespace kurvo {

PasswordChange ChangePassword(std::string& record, const std::string& oldText, const std::string& newText,
                              const std::string& repeatText, const QString& passFile) {
    if (oldText != record) return {false, kIncorrectPassword};
    if (newText != repeatText) return {false, kPasswordsDiffer};
    const PasswordBytes bytes = SerializePassword(newText);
    const FileResult written = WriteRecord(passFile, bytes.data(), bytes.size());
    if (!written.ok()) return {false, written.message};
    record = DeserializePassword(bytes.data());
    return {true, kPasswordChanged};
}

}  // namespace kurvo
