# The pictures, the cues and the hint's table of finishes are made by generators at build time. Those must
# run on the machine that builds, so a cross build (Windows from Debian) takes them from a
# native build of this same tree instead of building them for the target.
set(MOSSALINE_HOST_TOOLS "" CACHE PATH
    "Cross builds only: folder holding the natively built generators (pictures, cues, table of finishes)")

function(mossaline_host_tool name)
  set(location ${MOSSALINE_HOST_TOOLS}/${name})
  if(NOT MOSSALINE_HOST_TOOLS OR NOT EXISTS ${location})
    message(FATAL_ERROR "A cross build runs ${name} from a native build: set MOSSALINE_HOST_TOOLS "
                        "to the folder that holds it (scripts/build-windows.sh does)")
  endif()
  add_executable(${name} IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${location})
endfunction()
