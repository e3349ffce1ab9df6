# OC_SANITIZE: everything built with AddressSanitizer and
# UndefinedBehaviorSanitizer; the first report ends the process.
# OC_FUZZ (clang): the same, with libFuzzer's coverage, for tests/fuzz.
option(OC_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(OC_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(OC_SANITIZE OR OC_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(OC_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "OC_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# OC_TSAN: ThreadSanitizer, for the engines that spread work over threads.
option(OC_TSAN "Build with ThreadSanitizer" OFF)
if(OC_TSAN)
  if(OC_SANITIZE OR OC_FUZZ)
    message(FATAL_ERROR "OC_TSAN cannot be combined with OC_SANITIZE or OC_FUZZ")
  endif()
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
