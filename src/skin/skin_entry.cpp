#include "skin/skin_entry.h"

#include <exception>
#include <system_error>

#include "config/ini_file.h"
#include "util/decimal.h"

namespace k9 {

bool SplitSkinValue(std::string_view value, SkinFields& fields) {
  for (auto& field : fields) field.clear();
  std::size_t commas = 0;
  for (char c : value) commas += (c == ',') ? 1 : 0;

  std::size_t index = 0;
  std::size_t start = 0;
  while (index + 1 < kSkinFieldCount) {
    const auto comma = value.find(',', start);
    if (comma == std::string_view::npos) break;
    fields[index++] = std::string(value.substr(start, comma - start));
    start = comma + 1;
  }
  fields[index] = std::string(value.substr(start));
  return commas > kSkinFieldCount - 1;
}

SkinReadResult ReadSkinEntry(const std::filesystem::path& file, std::string_view section, int key,
                             SkinFields& fields, SkinReadPorts& ports) {
  const std::string keyText = FormatDecimal(key);
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) {
    for (auto& field : fields) field.clear();
    ports.messages.ShowMessage(std::string(kSkinFileMissingText));
    if (ports.exitProgram) ports.exitProgram();
    return SkinReadResult::FileMissing;
  }
  // A file that is there but cannot be read (a folder of that name, no
  // permission, a read error, far too large to be a layout) reads as empty,
  // without a message.
  std::string value;
  const bool readable = std::filesystem::is_regular_file(file, ec) &&
                        std::filesystem::file_size(file, ec) <= kMaxSkinFileSize && !ec;
  if (readable) {
    try {
      value = ReadIniString(file, section, keyText, kSkinValueBufferSize);
    } catch (const std::exception&) {
      value.clear();
    }
  }
  if (SplitSkinValue(value, fields)) ports.messages.ShowMessage(std::string(kSkinEntryErrorText));
  return SkinReadResult::Read;
}

SkinEntry SkinEntryFromFields(const SkinFields& fields) {
  SkinEntry entry;
  entry.x = ParseDecimal(fields[1]);
  entry.y = ParseDecimal(fields[2]);
  entry.width = ParseDecimal(fields[3]);
  entry.height = ParseDecimal(fields[4]);
  entry.text = fields[5];
  return entry;
}

}  // namespace k9
