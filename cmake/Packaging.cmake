# `cpack -G DEB` in the build directory makes the Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellumark9)
set(CPACK_PACKAGE_VERSION ${VELLUM_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR Vellum41)
set(CPACK_PACKAGE_CONTACT "Vellum41 <vellumark9@vellum41.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scrambles a line of text and back, without a key")
# Debian shows each line of the long description as it stands: at most 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Vellumark9 is a small desktop utility: type or paste a line, press Encrypt
and copy the scrambled result; paste it back and press Decrypt to get the
line again. It is a scrambler, not encryption: anyone who has the program
can read every text it produced.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without it a Wayland session with no XWayland has no Qt platform to open the window on.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vellum41.example/vellumark9)
include(CPack)
