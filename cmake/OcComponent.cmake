# oc_add_component(TARGET FILE_NAME sources...)
# A component is a shared library named FILE_NAME.so in bin/, loaded by class name.
set(OC_COMPONENT_TARGETS "" CACHE INTERNAL "")
set(OC_COMPONENT_FILES "" CACHE INTERNAL "")
function(oc_add_component target file_name)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${file_name} PREFIX "" SUFFIX ".so"
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${target} PRIVATE oc_component)
  install(TARGETS ${target} LIBRARY DESTINATION ${OC_INSTALL_PROGRAM_DIR})
  set(OC_COMPONENT_TARGETS ${OC_COMPONENT_TARGETS} ${target} CACHE INTERNAL "")
  set(OC_COMPONENT_FILES ${OC_COMPONENT_FILES} ${OC_BIN_DIR}/${file_name}.so CACHE INTERNAL "")
endfunction()
