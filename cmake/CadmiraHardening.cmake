# Debian's hardening for every build: the stack protector, fortified libc calls where the
# compiler optimises (the checks need the object sizes only optimisation works out), and a
# relocation table that is read-only once the program has started (RELRO with immediate
# binding). The sanitizer and fuzz builds check memory themselves, and the fortified wrappers
# would hide calls from their interceptors, so they go without fortification.
include_guard(GLOBAL)

# ELF targets only: MinGW's runtime would need libssp for both, and its linker turns on the
# Windows protections (ASLR, DEP) by itself.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" OR NOT CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
  return()
endif()

add_compile_options(-fstack-protector-strong)
if(NOT CADMIRA_SANITIZE AND NOT CADMIRA_FUZZ)
  # -U first: a level already given by the environment's flags would clash with ours.
  add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()
add_link_options(LINKER:-z,relro,-z,now)
