#!/bin/sh
# packaging/deb/lint.sh DEB: lintian, failing on any error. The tags left
# out are accepted, each for a reason:
#  no-manual-page, binary-without-manpage: both programs are windows started
#    from the menu; ZEL_RAdeze-sim --help documents the sim's options.
#  initial-upload-closes-no-bugs: the package is not uploaded to Debian.
exec lintian --fail-on error \
  --suppress-tags no-manual-page,binary-without-manpage,initial-upload-closes-no-bugs "$1"
