# The hardening a Debian package is built with: the flags `dpkg-buildflags` gives under
# DEB_BUILD_MAINT_OPTIONS=hardening=+all, plus control-flow protection where the compiler has it.
# Fixed here rather than read from dpkg-buildflags, whose -g -O2 would override the build type.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
check_cxx_compiler_flag(-fcf-protection OSC_HAVE_CF_PROTECTION)
if(OSC_HAVE_CF_PROTECTION)
  add_compile_options(-fcf-protection)
endif()

# glibc's checked string and memory functions need the optimiser (it warns at -O0), and under
# AddressSanitizer its own interceptors check those calls more strictly than the fortified ones.
if(NOT OSC_SANITIZE)
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()

add_link_options(-Wl,-z,relro -Wl,-z,now)
