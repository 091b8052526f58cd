# The gSOAP runtime with cookies and gzip decoding. Every unit that includes
# stdsoap2.h must see the same WITH_* flags the library was built with.
find_package(PkgConfig REQUIRED)
pkg_check_modules(GSOAPSSL REQUIRED IMPORTED_TARGET gsoapssl++)
find_package(OpenSSL REQUIRED)
find_package(ZLIB REQUIRED)
find_program(SOAPCPP2 soapcpp2 REQUIRED)
find_path(GSOAP_IMPORT_DIR stlvector.h PATHS /usr/share/gsoap/import REQUIRED)

add_library(kv_gsoap_runtime INTERFACE)
target_compile_definitions(kv_gsoap_runtime INTERFACE
  WITH_IPV6 WITH_OPENSSL WITH_GZIP WITH_DOM WITH_COOKIES)
target_link_libraries(kv_gsoap_runtime INTERFACE
  ${GSOAPSSL_LINK_LIBRARIES} OpenSSL::SSL OpenSSL::Crypto ZLIB::ZLIB)
