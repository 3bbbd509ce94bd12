# Installation: `cmake --install <build> [--prefix P]`, DESTDIR honoured.
#
#   bin/flurrydale                              the program
#   libexec/xscreensaver/flurrydale             the xscreensaver hack (a link to it)
#   share/flurrydale/data/                      scenes, snowflakes, shaders
#   share/xscreensaver/config/flurrydale.xml    xscreensaver-settings' options
#   share/man/man6/flurrydale.6                 manual page
#   share/applications/flurrydale.desktop       opens the configuration dialog
#   share/doc/flurrydale/                       help pages, README
#   <sysconfdir>/flurrydale/registry.ini        the installation directory
#
# <sysconfdir> is /etc for the prefixes /usr and /, else <prefix>/etc: the
# program looks for the hive there, beside its own bin folder.
#
# Paths that depend on the prefix are worked out when installing, because
# `--prefix` may differ from the prefix the build was configured with.

include(GNUInstallDirs)

install(TARGETS flurrydale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The data generator fills this folder while building; an installation
# without it would be a saver with nothing to show, so its absence is an
# error here rather than an empty data directory. A saver run from the build
# folder leaves its own settings, scene list and temporary files there; they
# are not part of the installation: the defaults of defaults/ are installed
# instead, so that a first start opens no "Error opening file" box. Folders
# keep the owner's write bit: the scene scan takes a folder without it for a
# read-only one and leaves it out.
set(_fd_data ${CMAKE_BINARY_DIR}/data)
install(DIRECTORY ${_fd_data}/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/flurrydale/data
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
        DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                              GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE
        REGEX "^${_fd_data}/(options|defaultScenario)\\.xml$" EXCLUDE
        REGEX "\\.tmp[^/]*$" EXCLUDE)
foreach(_fd_written options.xml defaultScenario.xml)
  install(FILES ${CMAKE_SOURCE_DIR}/defaults/${_fd_written}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/flurrydale/data)
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/hacks/config/flurrydale.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
install(FILES ${CMAKE_SOURCE_DIR}/docs/man/flurrydale.6
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/docs/desktop/flurrydale.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/docs/help/index.html
              ${CMAKE_SOURCE_DIR}/docs/help/making-scenes.html
              ${CMAKE_SOURCE_DIR}/docs/help/help.css
              ${CMAKE_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/flurrydale)

# The install-time steps below run inside the install script, where
# CMAKE_INSTALL_PREFIX is the prefix in force and DESTDIR comes from the
# environment. Each file they make is added to install_manifest.txt.
install(CODE "
  set(_fd_bindir [[${CMAKE_INSTALL_BINDIR}]])
  set(_fd_libexecdir [[${CMAKE_INSTALL_LIBEXECDIR}]])
  set(_fd_datadir [[${CMAKE_INSTALL_DATADIR}]])
  string(REGEX REPLACE \"/+$\" \"\" _fd_prefix \"\${CMAKE_INSTALL_PREFIX}\")
  foreach(_fd_var _fd_bindir _fd_libexecdir _fd_datadir)
    if(NOT IS_ABSOLUTE \"\${\${_fd_var}}\")
      set(\${_fd_var} \"\${_fd_prefix}/\${\${_fd_var}}\")
    endif()
  endforeach()
  if(_fd_prefix STREQUAL \"\" OR _fd_prefix STREQUAL \"/usr\")
    set(_fd_sysconfdir /etc)
  else()
    set(_fd_sysconfdir \"\${_fd_prefix}/etc\")
  endif()

  # The xscreensaver hack: a relative link, so the installed tree can move.
  set(_fd_hack \"\${_fd_libexecdir}/xscreensaver/flurrydale\")
  file(RELATIVE_PATH _fd_target \"\${_fd_libexecdir}/xscreensaver\" \"\${_fd_bindir}/flurrydale\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${_fd_libexecdir}/xscreensaver\")
  file(REMOVE \"\$ENV{DESTDIR}\${_fd_hack}\")
  message(STATUS \"Installing: \$ENV{DESTDIR}\${_fd_hack} -> \${_fd_target}\")
  file(CREATE_LINK \"\${_fd_target}\" \"\$ENV{DESTDIR}\${_fd_hack}\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\$ENV{DESTDIR}\${_fd_hack}\")

  # The local-machine hive: where the data directory's parent lies.
  set(_fd_hive \"\${_fd_sysconfdir}/flurrydale/registry.ini\")
  message(STATUS \"Installing: \$ENV{DESTDIR}\${_fd_hive}\")
  file(WRITE \"\$ENV{DESTDIR}\${_fd_hive}\"
    \"; Written by the Flurrydale installation: the data directory is Dir/data/.\\n\"
    \"[Software\\\\Quillbrook\\\\Flurrydale]\\n\"
    \"Dir=\${_fd_datadir}/flurrydale\\n\")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\$ENV{DESTDIR}\${_fd_hive}\")
")
