#pragma once
// The per-user settings document: where it lives, how it is read and how it is
// written. The members themselves belong to the objects that own the settings.
#include <nlohmann/json.hpp>

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

namespace orv {

using SettingsObject = nlohmann::ordered_json;

/// USERDATA/VENDOR/"orvelline 3.0.1.prefs", beside the toolkit's own preferences
/// for that vendor and application; the folder is created when missing.
std::string SettingsFilePath();

/// The document in the file, or nothing when it is missing or does not parse.
std::optional<SettingsObject> ReadSettingsDocument(const std::string& path);

/// Replaces the file's content; false when it cannot be opened for writing.
bool WriteSettingsDocument(const std::string& path, const SettingsObject& document);

/// The formatted style: one member per line, four spaces per level, " : "
/// between key and value, reals with 16 significant digits and a decimal point
/// always present (1.0 is 1.000000000000000).
void WriteFormatted(std::ostream& out, const SettingsObject& value);

// Typed member access: reals are taken only as reals and integers only as
// integers, so a member of another type counts as absent.
std::optional<double> RealMember(const SettingsObject& object, const char* key);
std::optional<int64_t> IntegerMember(const SettingsObject& object, const char* key);
std::optional<std::string> StringMember(const SettingsObject& object, const char* key);
const SettingsObject* ObjectMember(const SettingsObject& object, const char* key);

}  // namespace orv
