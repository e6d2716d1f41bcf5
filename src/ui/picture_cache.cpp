#include "ui/picture_cache.h"

#include "skin/qt/skin_image.h"

namespace k9 {

const QImage& PictureCache::Get(const std::filesystem::path& skinsDirectory, const std::string& fileName) {
  const auto path = skinsDirectory / std::filesystem::path(fileName);
  std::error_code error;
  const auto time = std::filesystem::last_write_time(path, error);
  const bool present = !error;
  const auto size = present ? std::filesystem::file_size(path, error) : 0;
  Entry& entry = m_entries[path];
  if (entry.present != present || entry.time != time || entry.size != size || (present && entry.image.isNull())) {
    entry.present = present;
    entry.time = present ? time : std::filesystem::file_time_type{};
    entry.size = present ? size : 0;
    entry.image = present ? LoadSkinImage(path) : QImage();
  }
  return entry.image;
}

}  // namespace k9
