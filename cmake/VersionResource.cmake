# Resources of the shipped binaries.
set(TOVANIX_MANIFEST ${CMAKE_SOURCE_DIR}/app/Tovanix.exe.manifest)
set(TOVANIX_PROGRAM_ICON ${CMAKE_SOURCE_DIR}/app/res/mainicon.ico)

# tovanix_add_version_resource(<target> "<file description>" [PROGRAM])
# The version resource of cmake/version.rc.in: the project's version,
# CompanyName and ProductName "Tovanix" and the binary's own description.
# PROGRAM adds the program icon as the file's first icon.
function(tovanix_add_version_resource target description)
  cmake_parse_arguments(PARSE_ARGV 2 arg "PROGRAM" "" "")
  set(TOVANIX_TARGET ${target})
  set(TOVANIX_FILE_DESCRIPTION ${description})
  set(TOVANIX_PROGRAM_RESOURCES "")
  set(TOVANIX_FILE_TYPE VFT_DLL)
  if(arg_PROGRAM)
    set(TOVANIX_FILE_TYPE VFT_APP)
    # Named so that it sorts before the program's other icons.
    set(TOVANIX_PROGRAM_RESOURCES "MAINICON ICON \"${TOVANIX_PROGRAM_ICON}\"")
    set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc PROPERTY OBJECT_DEPENDS ${TOVANIX_PROGRAM_ICON})
  endif()
  set(stem ${CMAKE_CURRENT_BINARY_DIR}/${target}-version)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${stem}.rc.in @ONLY)
  # The file names come from the target, as the generator knows them.
  file(GENERATE OUTPUT ${stem}.rc INPUT ${stem}.rc.in)
  target_sources(${target} PRIVATE ${stem}.rc)
endfunction()

# tovanix_add_manifest(<target>): the application manifest of a program that
# shows windows (common controls 6, per-monitor DPI awareness, asInvoker).
function(tovanix_add_manifest target)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-manifest.rc)
  file(CONFIGURE OUTPUT ${rc}
       CONTENT "#include <windows.h>\nCREATEPROCESS_MANIFEST_RESOURCE_ID RT_MANIFEST \"${TOVANIX_MANIFEST}\"\n")
  set_property(SOURCE ${rc} PROPERTY OBJECT_DEPENDS ${TOVANIX_MANIFEST})
  target_sources(${target} PRIVATE ${rc})
endfunction()
