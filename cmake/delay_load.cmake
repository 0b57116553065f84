# Links `target` to the DLLs named, each loaded at the first call of one of
# its functions instead of when the process starts. Windows (and Wine) map
# and initialise every DLL a program imports before its first instruction,
# with the DLLs those import: a DLL that the start does not call costs the
# start that time and memory for nothing. The functions the program calls
# are listed in cmake/delay_load/<dll>.def (a call missing from the list
# fails the link, naming the function).
function(morvi_delay_load target)
  foreach(dll ${ARGN})
    set(def ${CMAKE_SOURCE_DIR}/cmake/delay_load/${dll}.def)
    set(lib ${CMAKE_BINARY_DIR}/delay_load/lib${dll}.a)
    add_custom_command(OUTPUT ${lib}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay_load
      COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${dll}.dll --output-delaylib ${lib}
      DEPENDS ${def} VERBATIM)
    add_custom_target(morvi_delay_${dll} DEPENDS ${lib})
    add_dependencies(${target} morvi_delay_${dll})
    target_link_libraries(${target} PUBLIC ${lib})
  endforeach()
endfunction()
