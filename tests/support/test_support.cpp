#include "test_support.h"

#include <sys/resource.h>

#include <csignal>
#include <cstdint>

namespace kurvo::test {

std::string cp1252(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) { out += static_cast<char>(c); continue; }
        uint32_t cp = 0;
        int extra = 0;
        if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
        else { cp = c & 0x07; extra = 3; }
        for (int k = 0; k < extra && i + 1 < utf8.size(); ++k) cp = (cp << 6) | (utf8[++i] & 0x3F);
        out += cp < 0x100 ? static_cast<char>(cp) : '?';
    }
    return out;
}

void WithFileSizeLimit(size_t bytes, const std::function<void()>& write) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit old{}, small{};
    getrlimit(RLIMIT_FSIZE, &old);
    small = old;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
    write();
    setrlimit(RLIMIT_FSIZE, &old);
}

}  // namespace kurvo::test
