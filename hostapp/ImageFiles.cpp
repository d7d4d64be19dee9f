#include "hostapp/ImageFiles.h"

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vigra/impex.hxx>
#include <vigra/multi_array.hxx>

namespace orvhost {
namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kCanLimitAddressSpace = false;  // the sanitizers reserve huge shadow mappings
#else
constexpr bool kCanLimitAddressSpace = true;
#endif
// Parsing a header needs little memory; a damaged header that asks for more is refused.
constexpr rlim_t kHeaderBudget = rlim_t(1) << 30;
constexpr int kDecodeTimeoutMs = 60000;

struct WireHeader {
  int32_t ok;
  int32_t width, height, isFloat, bits;
  uint32_t messageLength;
};

bool WriteAll(int fd, const void* data, size_t size) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = ::write(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

template <int N>
void ImportBands(const vigra::ImageImportInfo& info, std::vector<float>& rgb) {
  vigra::MultiArray<2, vigra::TinyVector<float, N>> pixels(vigra::Shape2(info.width(), info.height()));
  vigra::importImage(info, pixels);
  rgb.resize(static_cast<size_t>(info.width()) * info.height() * 3);
  float* out = rgb.data();
  for (int y = 0; y < info.height(); ++y)
    for (int x = 0; x < info.width(); ++x, out += 3) {
      const auto& p = pixels(x, y);
      // Grey (and grey + alpha) fills all three planes; alpha is dropped.
      constexpr int green = N >= 3 ? 1 : 0, blue = N >= 3 ? 2 : 0;
      out[0] = p[0];
      out[1] = p[green];
      out[2] = p[blue];
    }
}

// Binary PNM files that end early are read without complaint; check their size.
void CheckPnmLength(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return;
  char magic[3] = {};
  long width = 0, height = 0, maxValue = 0;
  const bool parsed = std::fscanf(file, "%2s %ld %ld %ld", magic, &width, &height, &maxValue) == 4;
  const long dataStart = parsed ? std::ftell(file) + 1 : 0;
  std::fseek(file, 0, SEEK_END);
  const long size = std::ftell(file);
  std::fclose(file);
  const int bands = magic[1] == '6' ? 3 : magic[1] == '5' ? 1 : 0;
  if (!parsed || magic[0] != 'P' || bands == 0) return;  // text formats and comments are the decoder's business
  const long needed = width * height * bands * (maxValue > 255 ? 2 : 1);
  if (size - dataStart < needed)
    throw ImageFileError("damaged file: it ends after " + std::to_string(size - dataStart) + " of " +
                         std::to_string(needed) + " bytes of pixels");
}

DecodedImage DecodeInProcess(const std::string& path) {
  vigra::ImageImportInfo info(path.c_str());
  if (std::string(info.getFileType()) == "PNM") CheckPnmLength(path);
  DecodedImage image;
  image.width = info.width();
  image.height = info.height();
  if (image.width <= 0 || image.height <= 0) throw ImageFileError("the image has no pixels");
  const std::string type = info.getPixelType();
  if (type == "FLOAT" || type == "DOUBLE") {
    image.isFloat = true;
    image.bits = 32;
  } else if (type == "UINT8") {
    image.bits = 8;
  } else if (type == "UINT16" || type == "INT16") {
    image.bits = 16;
  } else {
    throw ImageFileError("unsupported sample type " + type);
  }
  if (kCanLimitAddressSpace) {
    // The header is read: allow what the pixels need.
    struct rlimit limit;
    getrlimit(RLIMIT_AS, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_AS, &limit);
  }
  switch (info.numBands()) {
    case 1: ImportBands<1>(info, image.rgb); break;
    case 2: ImportBands<2>(info, image.rgb); break;
    case 3: ImportBands<3>(info, image.rgb); break;
    case 4: ImportBands<4>(info, image.rgb); break;
    default: throw ImageFileError("unsupported number of channels (" + std::to_string(info.numBands()) + ")");
  }
  return image;
}

// Decoder messages name the file and carry source locations; keep the reason.
std::string Reason(std::string text) {
  if (text.find("did not find a matching file type") != std::string::npos) return "not an image in a known format";
  const auto end = text.find_first_of("\r\n");
  if (end != std::string::npos) text.resize(end);
  const auto quoted = text.find("\". ");
  if (text.find("image file \"") != std::string::npos)
    text = quoted == std::string::npos ? std::string() : text.substr(quoted + 3);
  while (!text.empty() && (text.back() == ' ' || text.back() == '.')) text.pop_back();
  return text.empty() ? "damaged or unsupported file" : "damaged or unsupported file: " + text;
}

// The first line of an encoder failure that says something, without source locations.
std::string WriterReason(const std::string& text) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty() || line.find("Precondition violation") != std::string::npos || line[0] == '(') continue;
    if (const auto colon = line.find("(): "); colon != std::string::npos) line = line.substr(colon + 4);
    return line;
  }
  return "the encoder failed";
}

// What the decoder libraries printed while reading, when it says the data was
// cut short or broken (they carry on with partial pixels otherwise).
std::string DecoderComplaint(FILE* log) {
  std::fflush(stderr);
  std::rewind(log);
  char line[512];
  while (std::fgets(line, sizeof line, log)) {
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    for (const char* sign : {"Premature end", "read error", "Corrupt", "truncated", "Error", "error"})
      if (text.find(sign) != std::string::npos && text.find("Warning") == std::string::npos)
        return "damaged file: " + text;
  }
  return {};
}

[[noreturn]] void RunDecoderChild(const std::string& path, int fd) {
  // The decoder libraries write their complaints to stderr: keep them out of
  // the user's terminal and read them afterwards.
  FILE* log = std::tmpfile();
  if (log) ::dup2(::fileno(log), STDERR_FILENO);
  if (kCanLimitAddressSpace) {
    struct rlimit limit;
    getrlimit(RLIMIT_AS, &limit);
    if (limit.rlim_max == RLIM_INFINITY || limit.rlim_max > kHeaderBudget) {
      limit.rlim_cur = kHeaderBudget;
      setrlimit(RLIMIT_AS, &limit);
    }
  }
  WireHeader header{};
  std::string message;
  DecodedImage image;
  try {
    image = DecodeInProcess(path);
    header.ok = 1;
  } catch (const ImageFileError& e) {
    message = e.what();
  } catch (const std::bad_alloc&) {
    message = "damaged file (it asks for more memory than an image of its kind can need)";
  } catch (const std::exception& e) {
    message = Reason(e.what());
  }
  if (header.ok) {
    message = DecoderComplaint(log);
    header.ok = message.empty();
  }
  header.width = image.width;
  header.height = image.height;
  header.isFloat = image.isFloat;
  header.bits = image.bits;
  header.messageLength = static_cast<uint32_t>(message.size());
  bool sent = WriteAll(fd, &header, sizeof header) && WriteAll(fd, message.data(), message.size());
  if (sent && header.ok) sent = WriteAll(fd, image.rgb.data(), image.rgb.size() * sizeof(float));
  _exit(sent ? 0 : 1);
}

// Reads exactly `size` bytes unless the child goes quiet for too long.
bool ReadAll(int fd, void* data, size_t size) {
  char* p = static_cast<char*>(data);
  while (size > 0) {
    pollfd waiter{fd, POLLIN, 0};
    const int ready = ::poll(&waiter, 1, kDecodeTimeoutMs);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    const ssize_t n = ::read(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

float Clamp01(float v) { return std::isfinite(v) ? std::min(std::max(v, 0.0f), 1.0f) : (v > 0 ? 1.0f : 0.0f); }

}  // namespace

float SrgbEncode(float linear) {
  const float v = Clamp01(linear);
  return v <= 0.0031308f ? 12.92f * v : 1.055f * std::pow(v, 1.0f / 2.4f) - 0.055f;
}

float SrgbDecode(float encoded) {
  const float v = Clamp01(encoded);
  return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f);
}

DecodedImage DecodeImageFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) throw ImageFileError("no such file");
  if (std::filesystem::is_directory(path, error)) throw ImageFileError("is a folder, not an image");
  if (::access(path.c_str(), R_OK) != 0) throw ImageFileError(std::strerror(errno));

  int fds[2];
  if (::pipe(fds) != 0) throw ImageFileError(std::string("cannot start the decoder: ") + std::strerror(errno));
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(fds[0]);
    ::close(fds[1]);
    throw ImageFileError(std::string("cannot start the decoder: ") + std::strerror(errno));
  }
  if (child == 0) {
    ::close(fds[0]);
    RunDecoderChild(path, fds[1]);
  }
  ::close(fds[1]);

  DecodedImage image;
  std::string message = "damaged file (the decoder failed on it)";
  WireHeader header{};
  bool ok = ReadAll(fds[0], &header, sizeof header);
  if (ok && header.messageLength > 0 && header.messageLength < 4096) {
    std::string text(header.messageLength, '\0');
    if (ReadAll(fds[0], text.data(), text.size())) message = text;
  }
  ok = ok && header.ok;
  if (ok) {
    image.width = header.width;
    image.height = header.height;
    image.isFloat = header.isFloat != 0;
    image.bits = header.bits;
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    ok = ReadAll(fds[0], image.rgb.data(), image.rgb.size() * sizeof(float));
    if (!ok) message = "damaged file (decoding did not finish)";
  }
  ::close(fds[0]);
  ::kill(child, SIGKILL);  // harmless when it has already exited
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!ok) throw ImageFileError(message);
  return image;
}

int NaturalDepth(const DecodedImage& image) { return image.isFloat ? 32 : image.bits; }

Document ToDocument(const DecodedImage& image, int depth) {
  Document document(image.width, image.height, depth);
  const float codeMax = image.bits == 8 ? 255.0f : 65535.0f;
  const float* p = image.rgb.data();
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      for (int k = 0; k < 3; ++k, ++p) {
        float v = *p;
        if (depth == 32) {
          v = image.isFloat ? v : SrgbDecode(v / codeMax);
        } else {
          const float unit = image.isFloat ? SrgbEncode(v) : Clamp01(v / codeMax);
          v = std::round(unit * (depth == 8 ? 255.0f : kHostMax16));
        }
        document.SetValue(k, x, y, v);
      }
  return document;
}

OutputFormat OutputFormatFor(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext == ".exr") return {"EXR", true, false};
  if (ext == ".hdr") return {"HDR", true, false};
  if (ext == ".tif" || ext == ".tiff") return {"TIFF", false, true};
  if (ext == ".png") return {"PNG", false, true};
  if (ext == ".pnm" || ext == ".ppm") return {"PNM", false, true};
  if (ext == ".jpg" || ext == ".jpeg") return {"JPEG", false, false};
  return {};
}

void WriteDocument(const Document& document, const std::string& path, const OutputFormat& format) {
  const int w = document.Width(), h = document.Height();
  vigra::ImageExportInfo info(path.c_str());
  info.setFileType(format.fileType.c_str());
  try {
    if (format.floatSamples) {
      // The OpenEXR encoder takes RGBA only: write an opaque alpha plane with it.
      const bool alpha = format.fileType == "EXR";
      vigra::MultiArray<2, vigra::TinyVector<float, 4>> pixels(vigra::Shape2(w, h), vigra::TinyVector<float, 4>(1.0f));
      const float codeMax = document.Depth() == 8 ? 255.0f : kHostMax16;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          for (int k = 0; k < 3; ++k) {
            const float v = document.Value(k, x, y);
            pixels(x, y)[k] = document.Depth() == 32 ? v : SrgbDecode(v / codeMax);
          }
      info.setPixelType("FLOAT");
      if (alpha) {
        vigra::exportImage(pixels, info);
      } else {
        vigra::MultiArray<2, vigra::TinyVector<float, 3>> rgb(vigra::Shape2(w, h));
        for (int y = 0; y < h; ++y)
          for (int x = 0; x < w; ++x)
            for (int k = 0; k < 3; ++k) rgb(x, y)[k] = pixels(x, y)[k];
        vigra::exportImage(rgb, info);
      }
      return;
    }
    // 8-bit documents and 8-bit formats write bytes; the rest 16 bits.
    const bool sixteen = format.sixteenBits && document.Depth() != 8;
    const float outMax = sixteen ? 65535.0f : 255.0f;
    vigra::MultiArray<2, vigra::TinyVector<vigra::UInt16, 3>> pixels(vigra::Shape2(w, h));
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        for (int k = 0; k < 3; ++k) {
          const float v = document.Value(k, x, y);
          const float unit = document.Depth() == 32 ? SrgbEncode(v)
                             : document.Depth() == 16 ? std::min(v / kHostMax16, 1.0f)
                                                      : v / 255.0f;
          pixels(x, y)[k] = static_cast<vigra::UInt16>(std::lround(unit * outMax));
        }
    if (sixteen) {
      info.setPixelType("UINT16");
      vigra::exportImage(pixels, info);
    } else {
      vigra::MultiArray<2, vigra::TinyVector<vigra::UInt8, 3>> bytes(pixels);
      info.setPixelType("UINT8");
      vigra::exportImage(bytes, info);
    }
  } catch (const std::exception& e) {
    throw ImageFileError("cannot write: " + WriterReason(e.what()));
  }
}

}  // namespace orvhost
