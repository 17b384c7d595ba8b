# The names the viewer is built with. They end up as constants in the binary:
# nothing about them is read at run time.
set(ZENTAVI_MAKER_NAME "泽塔维" CACHE STRING "The maker's name shown in the captions")
set(ZENTAVI_MAKER_HOST "tv.zentavi.example" CACHE STRING "Host of the maker's web site")
set(ZENTAVI_SERVICE_HOST "live.zentavi.example" CACHE STRING "Host of the channel service")
# One application ID everywhere (desktop entry, icon, metainfo, window class):
# the maker's host, reversed.
string(REPLACE "." ";" host_labels "${ZENTAVI_MAKER_HOST}")
list(REVERSE host_labels)
list(JOIN host_labels "." ZENTAVI_APP_ID)
configure_file(${CMAKE_SOURCE_DIR}/shell/branding.h.in ${CMAKE_BINARY_DIR}/generated/branding.h @ONLY)
