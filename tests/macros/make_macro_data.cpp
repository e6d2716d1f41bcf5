// Writes the factory macro files: make_macro_data <data folder>.
#include <cstdio>

#include "macros/factory_macros.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
    return 2;
  }
  return k9::test::WriteFactoryMacroFiles(argv[1]) ? 0 : 1;
}
