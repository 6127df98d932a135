# Writes the export list of the account-database stand-in: its own functions, and every
# other export of Wine's netapi32.dll forwarded to the copy of it shipped as
# "wine-netapi32.dll". Run at configure time with the objdump of the toolchain.
#   netapi32_write_def(<wine netapi32.dll> <output .def> <own exports...>)
function(netapi32_write_def wine_dll output)
  execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${wine_dll} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot read the exports of ${wine_dll}")
  endif()
  # The export names follow "[Ordinal/Name Pointer] Table", one "[   n] Name" a line.
  string(REGEX REPLACE ".*\\[Ordinal/Name Pointer\\] Table\n" "" names "${dump}")
  string(REGEX MATCHALL "\t\\[ *[0-9]+\\] [A-Za-z0-9_]+" entries "${names}")
  set(text "LIBRARY netapi32.dll\nEXPORTS\n")
  foreach(own ${ARGN})
    string(APPEND text "  ${own}\n")
  endforeach()
  foreach(entry ${entries})
    string(REGEX REPLACE ".*\\] " "" name "${entry}")
    if(NOT name IN_LIST ARGN)
      string(APPEND text "  ${name} = wine-netapi32.${name}\n")
    endif()
  endforeach()
  file(CONFIGURE OUTPUT ${output} CONTENT "${text}" @ONLY)
endfunction()
