// Temporary folders and environment variables for tests that must not see the real user's files.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orv::test {

/// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orv-test-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        fPath = name.data();
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(fPath, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return fPath; }
    std::string operator/(const std::string& name) const { return fPath + "/" + name; }

private:
    std::string fPath;
};

/// Sets (or, with nullopt, unsets) an environment variable and restores the old state on destruction.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : fName(name) {
        if (const char* old = std::getenv(name)) fOld = old;
        Apply(value);
    }
    ~ScopedEnv() { Apply(fOld); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Apply(const std::optional<std::string>& value) {
        if (value)
            setenv(fName.c_str(), value->c_str(), 1);
        else
            unsetenv(fName.c_str());
    }
    std::string fName;
    std::optional<std::string> fOld;
};

/// HOME, XDG_CACHE_HOME and XDG_DATA_HOME inside one temporary folder, and no X display.
struct IsolatedUser {
    TempFolder root;
    ScopedEnv home{"HOME", root.path()};
    ScopedEnv cache{"XDG_CACHE_HOME", root / "cache"};
    ScopedEnv data{"XDG_DATA_HOME", root / "data"};
    ScopedEnv display{"DISPLAY", std::nullopt};
};

}  // namespace orv::test
