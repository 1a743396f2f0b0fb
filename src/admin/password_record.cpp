#include "admin/password_record.h"

#include <algorithm>
#include <cctype>

namespace kurvo {

PasswordBytes SerializePassword(const std::string& password) {
    PasswordBytes bytes{};
    const size_t n = std::min(password.size(), kPasswordCapacity);
    bytes[0] = static_cast<uint8_t>(n);
    std::copy_n(password.begin(), n, bytes.begin() + 1);
    return bytes;
}

std::string DeserializePassword(const uint8_t* bytes) {
    const size_t n = std::min<size_t>(bytes[0], kPasswordCapacity);
    return std::string(reinterpret_cast<const char*>(bytes + 1), n);
}

namespace {
std::string Lower(std::string s) {
    for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}
}  // namespace

bool PasswordAccepted(const std::string& typed, const std::string& stored) {
    return Lower(typed.substr(0, kPasswordCapacity)) == Lower(stored);
}

}  // namespace kurvo
