// Conversions between the encodings the driver's text files come in.
// Internally all text is UTF-8; files written on Windows may be UTF-16LE with a
// byte-order mark (the Unicode private-profile convention) or UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace k9 {

enum class TextEncoding {
  Utf8,        // also plain ASCII; no byte-order mark
  Utf8Bom,     // EF BB BF
  Utf16LeBom,  // FF FE
  Utf16BeBom,  // FE FF
};

struct DecodedText {
  std::string utf8;
  TextEncoding encoding = TextEncoding::Utf8;
};

// Detects the encoding from a byte-order mark and converts to UTF-8.
// Malformed sequences become U+FFFD; an odd trailing byte of UTF-16 is dropped.
DecodedText DecodeText(std::string_view bytes);

// Encodes UTF-8 text as the given encoding, byte-order mark included.
std::string EncodeText(std::string_view utf8, TextEncoding encoding);

// UTF-8 <-> UTF-16 code units. Invalid input becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// The longest prefix of utf8 that takes at most maxUnits UTF-16 code units,
// never splitting a character (the Windows buffers count UTF-16 units).
std::string_view TruncateToUtf16Units(std::string_view utf8, std::size_t maxUnits);

}  // namespace k9
