# Where an installation puts things (bin/, share/tarmelka/, share/applications/
# and so on), and the hardening Debian expects of a program it ships.
include(GNUInstallDirs)

if(NOT TARMELKA_SANITIZE AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo)$")
  add_compile_options(-D_FORTIFY_SOURCE=2 -fstack-protector-strong)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
