# Our own code builds without warnings under both gcc and clang; a warning
# stops the build so it is mended where it appears. Qt's headers come in as
# system headers and stay quiet.
option(OC_WARNINGS_AS_ERRORS "Stop the build on any compiler warning" ON)

add_compile_options(-Wall -Wextra)
if(OC_WARNINGS_AS_ERRORS)
  add_compile_options(-Werror)
endif()
