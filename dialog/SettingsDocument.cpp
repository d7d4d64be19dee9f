#include "dialog/SettingsDocument.h"

#include <FL/Fl_Preferences.H>

#include <fstream>
#include <iomanip>
#include <sstream>

namespace orv {
namespace {

constexpr const char* kVendor = "orvelline";
constexpr const char* kApplication = "orvelline 3.0.1";
constexpr const char* kFileName = "orvelline 3.0.1.prefs";

void Indent(std::ostream& out, int level) {
  for (int i = 0; i < level; ++i) out << "    ";
}

void WriteString(std::ostream& out, const std::string& text) {
  out << '"';
  for (unsigned char c : text) {
    switch (c) {
      case '"': out << "\\\""; break;
      case '\\': out << "\\\\"; break;
      case '\b': out << "\\b"; break;
      case '\f': out << "\\f"; break;
      case '\n': out << "\\n"; break;
      case '\r': out << "\\r"; break;
      case '\t': out << "\\t"; break;
      default:
        if (c < 0x20)
          out << "\\u" << std::hex << std::setw(4) << std::setfill('0') << int(c) << std::dec << std::setfill(' ');
        else
          out << c;
    }
  }
  out << '"';
}

void WriteValue(std::ostream& out, const SettingsObject& value, int level) {
  switch (value.type()) {
    case SettingsObject::value_t::object:
    case SettingsObject::value_t::array: {
      const bool object = value.is_object();
      out << (object ? '{' : '[') << '\n';
      size_t index = 0;
      for (auto it = value.begin(); it != value.end(); ++it, ++index) {
        Indent(out, level + 1);
        if (object) {
          WriteString(out, it.key());
          out << " : ";
        }
        WriteValue(out, *it, level + 1);
        if (index + 1 < value.size()) out << ',';
        out << '\n';
      }
      Indent(out, level);
      out << (object ? '}' : ']');
      break;
    }
    case SettingsObject::value_t::string:
      WriteString(out, value.get_ref<const std::string&>());
      break;
    case SettingsObject::value_t::number_float: {
      std::ostringstream real;
      real << std::showpoint << std::setprecision(16) << value.get<double>();
      out << real.str();
      break;
    }
    case SettingsObject::value_t::number_integer:
      out << value.get<int64_t>();
      break;
    case SettingsObject::value_t::number_unsigned:
      out << value.get<uint64_t>();
      break;
    case SettingsObject::value_t::boolean:
      out << (value.get<bool>() ? "true" : "false");
      break;
    default:
      out << "null";
  }
}

}  // namespace

std::string SettingsFilePath() {
  Fl_Preferences preferences(Fl_Preferences::USER, kVendor, kApplication);
  char buffer[1024] = {};
  preferences.getUserdataPath(buffer, sizeof buffer);
  // ROOT/VENDOR/APPLICATION/ → ROOT/VENDOR/
  std::string path(buffer);
  if (!path.empty() && path.back() == '/') path.pop_back();
  const auto slash = path.rfind('/');
  path = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  return path + kFileName;
}

std::optional<SettingsObject> ReadSettingsDocument(const std::string& path) {
  std::ifstream in(path);
  if (!in) return std::nullopt;
  SettingsObject document = SettingsObject::parse(in, nullptr, false);
  if (document.is_discarded()) return std::nullopt;
  return document;
}

bool WriteSettingsDocument(const std::string& path, const SettingsObject& document) {
  std::ofstream out(path, std::ios::trunc);
  if (!out) return false;
  WriteFormatted(out, document);
  out.flush();
  return static_cast<bool>(out);
}

void WriteFormatted(std::ostream& out, const SettingsObject& value) { WriteValue(out, value, 0); }

std::optional<double> RealMember(const SettingsObject& object, const char* key) {
  if (!object.is_object()) return std::nullopt;
  const auto it = object.find(key);
  if (it == object.end() || !it->is_number_float()) return std::nullopt;
  return it->get<double>();
}

std::optional<int64_t> IntegerMember(const SettingsObject& object, const char* key) {
  if (!object.is_object()) return std::nullopt;
  const auto it = object.find(key);
  if (it == object.end() || !it->is_number_integer()) return std::nullopt;
  return it->get<int64_t>();
}

std::optional<std::string> StringMember(const SettingsObject& object, const char* key) {
  if (!object.is_object()) return std::nullopt;
  const auto it = object.find(key);
  if (it == object.end() || !it->is_string()) return std::nullopt;
  return it->get<std::string>();
}

const SettingsObject* ObjectMember(const SettingsObject& object, const char* key) {
  if (!object.is_object()) return nullptr;
  const auto it = object.find(key);
  return it == object.end() || !it->is_object() ? nullptr : &*it;
}

}  // namespace orv
