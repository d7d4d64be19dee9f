#include "platform/ColourFolders.h"

#include "platform/UserFolders.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace orv {

namespace {

bool HasProfileExtension(const std::string& name) {
    if (name.size() < 5) return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext == ".icc" || ext == ".icm";
}

// Lists one folder; `subFolders` receives the folders one level down when given.
void ScanFolder(const std::string& folder, std::vector<std::string>& files,
                std::vector<std::string>* subFolders) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    // A profile folder that vanishes or is unreadable is simply not there.
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code statError;
        if (it->is_regular_file(statError)) {
            if (HasProfileExtension(name)) files.push_back(folder + "/" + name);
        } else if (subFolders != nullptr && it->is_directory(statError)) {
            subFolders->push_back(folder + "/" + name);
        }
    }
}

std::string WithoutTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace

std::vector<std::string> ColourFolders() {
    const char* own = std::getenv("ORVELLINE_COLOR_DIR");
    if (own != nullptr && own[0] != '\0') return {WithoutTrailingSlash(own)};

    std::vector<std::string> folders;
    std::string data = UserDataFolder();
    if (!data.empty()) folders.push_back(data + "/color/icc");
    folders.push_back("/usr/local/share/color/icc");
    folders.push_back("/usr/share/color/icc");
    folders.push_back("/var/lib/color/icc");
    return folders;
}

std::vector<std::string> FindProfileFiles(const std::vector<std::string>& folders) {
    std::vector<std::string> files;
    for (const std::string& folder : folders) {
        std::vector<std::string> subFolders;
        ScanFolder(WithoutTrailingSlash(folder), files, &subFolders);
        for (const std::string& sub : subFolders) ScanFolder(sub, files, nullptr);
    }
    return files;
}

}  // namespace orv
