// Renderings of the skin for the documentation: each page's normal picture
// with a typical selection and the texts the program draws.
#pragma once

#include <QImage>
#include <string>
#include <utility>
#include <vector>

#include "skin/skin_layout.h"

namespace skinmaker {

// The main page is rendered in both languages.
std::vector<std::pair<std::string, QImage>> DrawPreviews(const k9::SkinLayout& layout, const k9::SkinLayout& chinese);

}  // namespace skinmaker
