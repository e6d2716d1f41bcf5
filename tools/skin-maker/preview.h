// Renderings of the skin for the documentation: each page's normal picture
// with a typical selection and the texts the program draws, in English.
#pragma once

#include <QImage>
#include <string>
#include <utility>
#include <vector>

#include "skin/skin_layout.h"

namespace skinmaker {

std::vector<std::pair<std::string, QImage>> DrawPreviews(const k9::SkinLayout& layout);

}  // namespace skinmaker
