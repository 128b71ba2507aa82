# `cpack` in the build folder makes sorvak_<version>_<arch>.deb: everything
# `cmake --install` puts in place, under /usr. dpkg-shlibdeps finds the
# libraries the programs link (the Qt 6 ones among them); the rest are the
# packages the programs need at run time without linking them. The copyright
# file and the changelog in Debian's format go to share/doc/sorvak.
#
# The maintainer address is not meant to be written to: the project has no
# mail host of its own, and .invalid can never be one.
set(SORVAK_MAINTAINER "SORVAK developers <maintainers@sorvak.invalid>")
find_program(SORVAK_GZIP gzip REQUIRED)
set(sorvak_doc_dir ${CMAKE_CURRENT_BINARY_DIR}/doc)
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${sorvak_doc_dir}/copyright @ONLY)
execute_process(COMMAND date -u -R -d ${SORVAK_RELEASE_DATE}
                OUTPUT_VARIABLE SORVAK_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${sorvak_doc_dir}/changelog @ONLY)
add_custom_command(
    OUTPUT ${sorvak_doc_dir}/changelog.gz
    COMMAND ${SORVAK_GZIP} -9nkf ${sorvak_doc_dir}/changelog
    DEPENDS ${sorvak_doc_dir}/changelog
    COMMENT "Compressing the changelog"
    VERBATIM)
add_custom_target(changelog ALL DEPENDS ${sorvak_doc_dir}/changelog.gz)
install(FILES ${sorvak_doc_dir}/copyright ${sorvak_doc_dir}/changelog.gz DESTINATION share/doc/sorvak)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorvak)
set(CPACK_PACKAGE_VENDOR "SORVAK")
set(CPACK_PACKAGE_CONTACT "${SORVAK_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Folders as Debian wants them, whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's platform plugins, a font for its Japanese text, the country
# list behind CQWW.DAT and the Japanese texts of the standard buttons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-noto-cjk | fonts-ipafont-gothic | fonts-vlgothic, hamradio-files, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "amateur-radio contest log utility / アマチュア無線コンテストログ ユーティリティ
SORVAK opens a contest log kept with the Quog logger or another logger
(Cabrillo, N1MM Logger, CCC TXT), lets you check and correct it as a table
of QSOs, and writes a Cabrillo submission, Quog binary and text logs, CSV
files for Turbo HAMLOG and ログ太郎のパパ, duplicate check lists and
analysis reports with a rate chart.
.
SORVAK は Quog などで記録したコンテストログを開き、QSO の一覧で確認・修正して、
Cabrillo 提出ファイル、Quog のバイナリ/テキストログ、Turbo HAMLOG と
ログ太郎のパパ用の CSV、重複チェックリスト、解析レポートとレートグラフを
出力します。")
if(SORVAK_SANITIZE)
    message(STATUS "A package of this sanitizer build depends on the sanitizer libraries")
endif()
include(CPack)
