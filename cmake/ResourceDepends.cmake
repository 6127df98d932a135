# The resource compiler reports no included files: a resource script is rebuilt when one
# of the parts it includes (dialogs, strings, images, manifest) changes only if it says
# so. parental_resource_depends(<folder>) marks the plug-in's scripts, compiled in any
# folder of the build below <folder>, as depending on every part in src/res, and the
# host's scripts on the parts of its windows (both languages).
function(parental_resource_depends folder)
  file(GLOB_RECURSE parts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/res/*.rc2 ${PROJECT_SOURCE_DIR}/src/res/*.h
       ${PROJECT_SOURCE_DIR}/src/res/*.manifest ${PROJECT_SOURCE_DIR}/src/res/images/*.bmp
       ${PROJECT_SOURCE_DIR}/src/res/images/*.ico)
  file(GLOB_RECURSE scripts ${PROJECT_SOURCE_DIR}/src/res/*.rc)
  file(GLOB host_parts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/host/ui/*.rc2 ${PROJECT_SOURCE_DIR}/host/ui/host_dialogs.rc
       ${PROJECT_SOURCE_DIR}/host/ui/host_dialogs.h ${PROJECT_SOURCE_DIR}/host/ui/host_texts.h)
  set(host_scripts ${PROJECT_SOURCE_DIR}/host/host.rc ${PROJECT_SOURCE_DIR}/host/ui/host_dialogs.rc)
  set(folders ${folder})
  while(folders)
    list(POP_FRONT folders current)
    set_source_files_properties(${scripts} DIRECTORY ${current} PROPERTIES OBJECT_DEPENDS "${parts}")
    set_source_files_properties(${host_scripts} DIRECTORY ${current} PROPERTIES OBJECT_DEPENDS "${host_parts};${parts}")
    get_property(children DIRECTORY ${current} PROPERTY SUBDIRECTORIES)
    list(APPEND folders ${children})
  endwhile()
endfunction()
