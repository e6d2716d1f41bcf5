// Decoded skin pictures kept between paints. A picture is decoded again when
// its file's size or modification time changed, so a replaced file shows at
// the very next paint.
#pragma once

#include <QImage>
#include <filesystem>
#include <map>
#include <string>

namespace k9 {

class PictureCache {
 public:
  const QImage& Get(const std::filesystem::path& skinsDirectory, const std::string& fileName);
  void Clear() { m_entries.clear(); }

 private:
  struct Entry {
    std::filesystem::file_time_type time{};
    std::uintmax_t size = 0;
    bool present = false;
    QImage image;
  };
  std::map<std::filesystem::path, Entry> m_entries;
};

}  // namespace k9
