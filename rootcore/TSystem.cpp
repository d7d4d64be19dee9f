#include "TSystem.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <unistd.h>
#include <vector>

#include "TError.h"

#ifndef ORV_ROOTSYS
#define ORV_ROOTSYS "/usr/local/share/orvelline/root"
#endif

namespace {
char *Duplicate(const std::string &text)
{
   char *copy = new char[text.size() + 1];
   std::memcpy(copy, text.c_str(), text.size() + 1);
   return copy;
}

// Home folder of user, or of the current user when user is empty; false when unknown.
bool HomeOf(const std::string &user, std::string &home)
{
   if (user.empty()) {
      if (const char *env = std::getenv("HOME")) {
         home = env;
         return true;
      }
   }
   long size = sysconf(_SC_GETPW_R_SIZE_MAX);
   std::vector<char> buffer(size > 0 ? size_t(size) : 16384);
   passwd entry{};
   passwd *found = nullptr;
   const int rc = user.empty() ? getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found)
                               : getpwnam_r(user.c_str(), &entry, buffer.data(), buffer.size(), &found);
   if (rc != 0 || !found || !found->pw_dir) return false;
   home = found->pw_dir;
   return true;
}

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
} // namespace

TSystem::TSystem(const char *name, const char *title) : TNamed(name, title) {}

TSystem::~TSystem() = default;

const char *TSystem::BaseName(const char *pathname)
{
   if (!pathname) {
      Error("TSystem::BaseName", "name = 0");
      return nullptr;
   }
   if (pathname[0] == '/' && pathname[1] == '\0') return pathname;
   const char *slash = std::strrchr(pathname, '/');
   return slash ? slash + 1 : pathname;
}

const char *TSystem::Getenv(const char *env)
{
   if (!env) return nullptr;
   const char *value = std::getenv(env);
   // Without ROOTSYS in the environment the built-in folder stands in.
   if (!value && std::strcmp(env, "ROOTSYS") == 0) return ORV_ROOTSYS;
   return value;
}

Bool_t TSystem::ExpandPathName(std::string &path)
{
   std::string out;
   size_t i = 0;
   if (!path.empty() && path[0] == '~') {
      const size_t end = path.find('/');
      const std::string user = path.substr(1, end == std::string::npos ? std::string::npos : end - 1);
      std::string home;
      if (!HomeOf(user, home)) {
         Error("TSystem::ExpandPathName", "cannot expand %s: unknown user %s", path.c_str(), user.c_str());
         return kTRUE;
      }
      out = home;
      i = end == std::string::npos ? path.size() : end;
   }
   while (i < path.size()) {
      if (path[i] != '$') {
         out += path[i++];
         continue;
      }
      std::string name;
      size_t next;
      if (i + 1 < path.size() && path[i + 1] == '(') {
         const size_t close = path.find(')', i + 2);
         if (close == std::string::npos) {
            out += path[i++];
            continue;
         }
         name = path.substr(i + 2, close - i - 2);
         next = close + 1;
      } else {
         next = i + 1;
         while (next < path.size() && IsNameChar(path[next])) ++next;
         name = path.substr(i + 1, next - i - 1);
      }
      if (name.empty()) {
         // A lone '$' is an ordinary character.
         out += path[i++];
         continue;
      }
      const char *value = Getenv(name.c_str());
      if (!value) {
         Error("TSystem::ExpandPathName", "cannot expand %s: %s is not defined", path.c_str(), name.c_str());
         return kTRUE;
      }
      out += value;
      i = next;
   }
   path = out;
   return kFALSE;
}

char *TSystem::ExpandPathName(const char *path)
{
   std::string expanded(path ? path : "");
   if (ExpandPathName(expanded)) return nullptr;
   return Duplicate(expanded);
}

char *TSystem::Which(const char *search, const char *file, EAccessMode mode)
{
   if (!file || !*file) return nullptr;
   std::string name(file);
   if (ExpandPathName(name)) return nullptr;
   if (name[0] == '/') return access(name.c_str(), mode) == 0 ? Duplicate(name) : nullptr;

   std::string folders(search ? search : "");
   if (ExpandPathName(folders)) return nullptr;
   size_t start = 0;
   while (start <= folders.size()) {
      size_t end = folders.find(':', start);
      if (end == std::string::npos) end = folders.size();
      std::string candidate = folders.substr(start, end - start);
      if (candidate.empty()) candidate = ".";
      if (candidate.back() != '/') candidate += '/';
      candidate += name;
      if (access(candidate.c_str(), mode) == 0) return Duplicate(candidate);
      start = end + 1;
   }
   return nullptr;
}

namespace ROOT {
TSystem *GetSystem()
{
   // Never destroyed, like gROOT.
   static TSystem *system = new TSystem("Unix", "Unix System");
   return system;
}
} // namespace ROOT
