# The Debian package, made by `cpack -G DEB` in the build folder (scripts/package).
set(CPACK_PACKAGE_NAME tarmelka)
set(CPACK_PACKAGE_VENDOR "Tarmelka development team")
set(CPACK_PACKAGE_CONTACT "Tarmelka development team <tym@tarmelka.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for the Czech driving-licence theory examination")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarmelka 2003 browses the bank of questions of the Czech driving-licence\n\
theory examination with their correct answers, practises and examines with\n\
an immediate verdict, and sits a timed points test like the official one.\n\
Results are kept per user profile in each user's own data folder.\n\
Everything the learner sees is in Czech.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tarmelka)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.tarmelka.example/")
# The libraries the executable links (Qt, libjpeg) come from dpkg-shlibdeps;
# these are loaded only at run time, so no linker sees them: the SQLite driver,
# the platform plugins, the fonts the layout was measured in, and Qt's Czech
# texts for its own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, qt6-qpa-plugins, fonts-liberation, qt6-translations-l10n")
# Reading questions aloud and the school's server are options: the speech
# engine with its Czech voice, and Qt's PostgreSQL driver, are recommended.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng, libqt6sql6-psql")
include(CPack)
