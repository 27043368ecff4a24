# Install rules and the Debian package.
#
# The game finds its cues in the `sound` folder beside its own executable, so
# the executable and that folder are installed together in one private folder,
# and the command on the PATH is a relative symbolic link to it. The kernel
# resolves the link, so the running program's own path is the real one and the
# cues are found; being relative, the link survives moving the whole prefix.
include(GNUInstallDirs)

set(MOSSALINE_APP_ID "io.github.mossaline.mossaline")
# Like /usr/lib/firefox: a private folder for one program and its data, not a
# library folder, so it is the same on every architecture.
set(MOSSALINE_INSTALL_PROGRAMDIR "lib/mossaline" CACHE STRING
    "Folder, relative to the prefix, that holds the program and its sound folder")
set(MOSSALINE_PACKAGE_MAINTAINER "The MOSSALINE developers <maintainers@mossaline.invalid>" CACHE STRING
    "Maintainer named in the Debian package")

set(_mossaline_packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(_mossaline_install_out ${CMAKE_BINARY_DIR}/packaging)

# Folders made during installation get these permissions, less the
# installer's umask; see the end of the rules for a strict umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Every folder, relative to the prefix, that the rules below install into,
# with the folders above it.
set(_mossaline_folders)
function(_mossaline_note_folder folder)
  if(IS_ABSOLUTE "${folder}")
    return()
  endif()
  set(folders ${_mossaline_folders})
  set(path "")
  string(REPLACE "/" ";" parts "${folder}")
  foreach(part IN LISTS parts)
    string(APPEND path "${part}")
    list(APPEND folders "${path}")
    string(APPEND path "/")
  endforeach()
  list(REMOVE_DUPLICATES folders)
  set(_mossaline_folders ${folders} PARENT_SCOPE)
endfunction()

# The program and its cues.
install(TARGETS mossaline RUNTIME DESTINATION ${MOSSALINE_INSTALL_PROGRAMDIR})
install(FILES ${MOSSALINE_FINISH_TABLE} DESTINATION ${MOSSALINE_INSTALL_PROGRAMDIR})
_mossaline_note_folder(${MOSSALINE_INSTALL_PROGRAMDIR}/sound)
if(NOT MOSSALINE_SOUND_FILES)
  message(FATAL_ERROR "The cue generator (tools/make_sounds) named no cue files to install")
endif()
install(FILES ${MOSSALINE_SOUND_FILES} DESTINATION ${MOSSALINE_INSTALL_PROGRAMDIR}/sound)

# The launcher. Both folders may be given as absolute paths; the link is made
# between their full forms so it stays relative whenever it can.
if(IS_ABSOLUTE "${MOSSALINE_INSTALL_PROGRAMDIR}")
  set(_mossaline_program_full "${MOSSALINE_INSTALL_PROGRAMDIR}")
else()
  set(_mossaline_program_full "${CMAKE_INSTALL_PREFIX}/${MOSSALINE_INSTALL_PROGRAMDIR}")
endif()
file(RELATIVE_PATH _mossaline_launcher_target
     ${CMAKE_INSTALL_FULL_BINDIR} ${_mossaline_program_full}/mossaline)
file(MAKE_DIRECTORY ${_mossaline_install_out})
file(CREATE_LINK ${_mossaline_launcher_target} ${_mossaline_install_out}/mossaline SYMBOLIC)
install(FILES ${_mossaline_install_out}/mossaline DESTINATION ${CMAKE_INSTALL_BINDIR})
_mossaline_note_folder(${CMAKE_INSTALL_BINDIR})

# Desktop integration: one id names the desktop file, the icons and the metainfo.
install(FILES ${_mossaline_packaging_dir}/${MOSSALINE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${_mossaline_packaging_dir}/${MOSSALINE_APP_ID}.metainfo.xml.in
               ${_mossaline_install_out}/${MOSSALINE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${_mossaline_install_out}/${MOSSALINE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
_mossaline_note_folder(${CMAKE_INSTALL_DATADIR}/applications)
_mossaline_note_folder(${CMAKE_INSTALL_DATADIR}/metainfo)

get_property(_mossaline_icon_svg GLOBAL PROPERTY MOSSALINE_ICON_SVG)
get_property(_mossaline_icon_pngs GLOBAL PROPERTY MOSSALINE_ICON_PNGS)
if(NOT _mossaline_icon_svg OR NOT _mossaline_icon_pngs)
  message(FATAL_ERROR "The picture generator did not publish the icon files to install")
endif()
install(FILES ${_mossaline_icon_svg}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${MOSSALINE_APP_ID}.svg)
_mossaline_note_folder(${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(_mossaline_png IN LISTS _mossaline_icon_pngs)
  get_filename_component(_mossaline_png_name ${_mossaline_png} NAME)
  if(NOT _mossaline_png_name MATCHES "^icon-([0-9]+)\\.png$")
    message(FATAL_ERROR "Icon ${_mossaline_png} does not say its size in its name")
  endif()
  set(_mossaline_size ${CMAKE_MATCH_1})
  install(FILES ${_mossaline_png}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_mossaline_size}x${_mossaline_size}/apps
          RENAME ${MOSSALINE_APP_ID}.png)
  _mossaline_note_folder(${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_mossaline_size}x${_mossaline_size}/apps)
endforeach()

# Manual pages go compressed, the way man and Debian expect them; -n keeps the
# archive free of the build's time stamp.
set(_mossaline_man_page ${_mossaline_install_out}/mossaline.6)
add_custom_command(
  OUTPUT ${_mossaline_man_page}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${_mossaline_packaging_dir}/mossaline.6 ${_mossaline_man_page}
  COMMAND gzip -9nf ${_mossaline_man_page}
  DEPENDS ${_mossaline_packaging_dir}/mossaline.6
  COMMENT "Compressing the manual page"
  VERBATIM)
add_custom_target(mossaline_man_page ALL DEPENDS ${_mossaline_man_page}.gz)
install(FILES ${_mossaline_man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# Debian looks for the licence under this name; elsewhere it reads just as well.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)
_mossaline_note_folder(${CMAKE_INSTALL_MANDIR}/man6)
_mossaline_note_folder(${CMAKE_INSTALL_DOCDIR})

# mkdir leaves out what the umask forbids, whatever the setting above says:
# under a strict one (077) the game's folders, and in the .deb even /usr,
# would be closed to players. So the prefix and every folder noted above are
# opened for reading. Only folders that lack a bit are touched, and bits are
# only ever added: a setgid /usr/local, or a folder owned by someone else
# that is already open, stays as it was.
install(CODE "set(_mossaline_folders \"${_mossaline_folders}\")")
install(CODE [[
  set(_mossaline_top "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  set(_mossaline_paths "${_mossaline_top}")
  foreach(_mossaline_folder IN LISTS _mossaline_folders)
    list(APPEND _mossaline_paths "${_mossaline_top}/${_mossaline_folder}")
  endforeach()
  execute_process(
    COMMAND find ${_mossaline_paths} -maxdepth 0 -type d ! -perm -go+rx -exec chmod go+rx {} +
    RESULT_VARIABLE _mossaline_opened)
  if(NOT _mossaline_opened EQUAL 0)
    message(WARNING "Some installed folders could not be opened to all users")
  endif()
]])

# The Debian package: `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mossaline)
set(CPACK_PACKAGE_VENDOR "The MOSSALINE developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Line by line as dpkg shows it; CPack indents every line after the summary.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A game of peg solitaire on a cross of 45 holes, played with the mouse."
  "Every hole but the centre one starts with a marble. A marble jumps over"
  "a neighbour into the empty hole behind it, and the one jumped over leaves"
  "the board. When no jump is left, a report rates the marbles that remain.")
set(CPACK_PACKAGE_CONTACT "${MOSSALINE_PACKAGE_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MOSSALINE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries come from dpkg-shlibdeps; what is loaded by name at run time is added by hand:
# Qt's X11 platform plugin ships in libqt6gui6 (already a library dependency), the
# design's face is drawn with Liberation Sans, and libpulse and SDL are opened by name when
# sound is first wanted.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libpulse0, libsdl2-2.0-0")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# `cpack --config CPackSourceConfig.cmake` must not sweep up build folders or git data.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/out/" "\\\\.swp$")
include(CPack)
