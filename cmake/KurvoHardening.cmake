# Hardening for every build type, so the program is hardened whoever builds
# it: stack protector, full RELRO and immediate binding always; fortified
# library calls only where the compiler optimises (they need -O, so Debug
# and the sanitizer builds, which run at -O0, go without).
add_compile_options(-fstack-protector-strong)
if(NOT KURVO_SANITIZE AND NOT KURVO_FUZZ)
  add_compile_options(
    "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>"
    "$<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>")
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_link_options(-Wl,-z,relro -Wl,-z,now)
include(CheckPIESupported)
check_pie_supported()
