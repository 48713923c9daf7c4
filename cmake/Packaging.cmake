# `cpack` (make package): a Debian package of the installation, for /usr. The shared
# libraries it needs are found by dpkg-shlibdeps; what the program loads without
# linking is named here: Qt's window-system plugins, Qt's Russian translations, the
# DejaVu fonts that stand in for faces no machine has (the lettering of marks), and the
# desktop's tools that learn about the menu entry and the sketch file type.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME verigraf)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Вериграф")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Вериграф технолога: редактор операционных эскизов")
set(CPACK_PACKAGE_DESCRIPTION
    "Редактор операционных эскизов к технологическим картам: листы стандартных форм, линии, окружности, размеры, спецзнаки, блоки и инструмент, печать в натуральную величину.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Verigraf developers <verigraf@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, shared-mime-info, hicolor-icon-theme")
include(CPack)
