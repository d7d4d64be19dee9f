#pragma once
// Reading image files into a document and writing a document back out.
// Decoding runs in a child process with a memory budget, so that a damaged file
// that makes the decoder crash or allocate without bound only costs an error.
#include <stdexcept>
#include <string>
#include <vector>

#include "hostapp/Document.h"

namespace orvhost {

/// A failure with a message fit for "orvelline: FILE: MESSAGE".
struct ImageFileError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

/// Decoded pixels, three interleaved channels: integer files keep their code
/// values (0 … 255 or 0 … 65535), floating-point files their linear values.
struct DecodedImage {
  int width = 0;
  int height = 0;
  bool isFloat = false;
  int bits = 8;
  std::vector<float> rgb;
};

DecodedImage DecodeImageFile(const std::string& path);

/// The document depth a decoded file gets unless one is forced: 32 for
/// floating-point files, otherwise the file's own.
int NaturalDepth(const DecodedImage& image);

/// Converts to a document of the given depth. Between floating point and
/// integers the values are encoded to or decoded from sRGB.
Document ToDocument(const DecodedImage& image, int depth);

/// What an output path's extension asks for.
struct OutputFormat {
  std::string fileType;  // the encoder's name, empty when unknown
  bool floatSamples = false;
  bool sixteenBits = false;  // integer formats that hold 16 bits
};
OutputFormat OutputFormatFor(const std::string& path);

/// Encodes the document for `format` (float formats get linear floats,
/// integer formats code values; a 32-bit document is encoded to sRGB).
void WriteDocument(const Document& document, const std::string& path, const OutputFormat& format);

float SrgbEncode(float linear);
float SrgbDecode(float encoded);

}  // namespace orvhost
