#include "platform/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace orv {

namespace {

// Relative values of the XDG variables are invalid and must be ignored.
std::string AbsoluteEnv(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') return {};
    return value;
}

std::string UnderHome(const char* relative) {
    std::string home = HomeFolder();
    return home.empty() ? std::string() : home + relative;
}

}  // namespace

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr)
        return found->pw_dir;
    return {};
}

std::string UserDataFolder() {
    std::string folder = AbsoluteEnv("XDG_DATA_HOME");
    return folder.empty() ? UnderHome("/.local/share") : folder;
}

std::string UserCacheFolder() {
    std::string folder = AbsoluteEnv("XDG_CACHE_HOME");
    return folder.empty() ? UnderHome("/.cache") : folder;
}

}  // namespace orv
