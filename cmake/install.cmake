# What `make run` needs (the programs, the key tracker, the demo's generators and the
# screenshot tools), and the installation in Debian's layout:
#   games/orvanel, games/orvanel-config, games/orvanel-session (Debian's place for games)
#   lib/<triplet>/orvanel/liborvanel.so      found through the frontend's run path
#   lib/<triplet>/orvanel/liborvanel-video.so  the clip decoder, opened on the first clip
#   libexec/orvanel/demo_emulator            the demo's emulator
#   share/orvanel/demo                       the demo installation, copied on first start
#   share/orvanel/Sound                      the default sounds
#   share/applications, metainfo, icons, man/man6 (English), man/fr/man6, lib/systemd/system
#   /etc/X11/orvanel-kiosk-lock.conf         the X server's flags while the kiosk lock is set

set(ORV_DEMO_TOOLS demo_emulator demo_art demo_sounds demo_journal orvanel_shot config_shot close_window)
add_custom_target(demo_programs)
add_dependencies(demo_programs Orvanel orvanel orvanel-video OrvanelConfig)
foreach(t ${ORV_DEMO_TOOLS})
  if(TARGET ${t})
    add_dependencies(demo_programs ${t})
  endif()
endforeach()

# The shipped demo, generated like the one of `make run`.
set(ORV_SHIPPED_DEMO ${CMAKE_BINARY_DIR}/shipped-demo)
file(RELATIVE_PATH ORV_DEMO_TO_LIBEXEC ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/orvanel/demo
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/orvanel/demo_emulator)
file(GLOB_RECURSE orv_demo_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/demo/* ${CMAKE_SOURCE_DIR}/scripts/demo/*.sh
     ${CMAKE_SOURCE_DIR}/scripts/make-demo-art.sh)
add_custom_command(
  OUTPUT ${ORV_SHIPPED_DEMO}/config/Orvanel.ini
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/demo/shipped.sh ${CMAKE_BINARY_DIR} ${ORV_SHIPPED_DEMO}
          ${ORV_DEMO_TO_LIBEXEC}
  DEPENDS ${orv_demo_sources} demo_art demo_sounds
  COMMENT "Assembling the shipped demo installation"
  VERBATIM)
add_custom_target(shipped_demo ALL DEPENDS ${ORV_SHIPPED_DEMO}/config/Orvanel.ini)

# Everything the installation rules below take.
add_custom_target(installable)
add_dependencies(installable demo_programs shipped_demo)

# The icon at 128 px, drawn from the scalable one.
find_program(ORV_RSVG rsvg-convert)
set(ORV_ICON_PNG ${CMAKE_BINARY_DIR}/icons/org.orvanel.Orvanel.png)
if(ORV_RSVG)
  add_custom_command(
    OUTPUT ${ORV_ICON_PNG}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons
    COMMAND ${ORV_RSVG} -w 128 -h 128 -o ${ORV_ICON_PNG} ${CMAKE_SOURCE_DIR}/data/orvanel.svg
    DEPENDS ${CMAKE_SOURCE_DIR}/data/orvanel.svg
    VERBATIM)
  add_custom_target(icon_png ALL DEPENDS ${ORV_ICON_PNG})
  add_dependencies(installable icon_png)
else()
  message(STATUS "rsvg-convert not found: no 128 px icon (librsvg2-bin)")
endif()

# install(TARGETS) sets the installed run path; the programs then take their lower-case names.
set(ORV_GAMES_DIR games)
install(TARGETS Orvanel OrvanelConfig RUNTIME DESTINATION ${ORV_GAMES_DIR})
foreach(pair "Orvanel;orvanel" "OrvanelConfig;orvanel-config")
  list(GET pair 0 from)
  list(GET pair 1 to)
  install(CODE "file(RENAME \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ORV_GAMES_DIR}/${from}\"
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ORV_GAMES_DIR}/${to}\")")
endforeach()
install(PROGRAMS ${CMAKE_SOURCE_DIR}/scripts/orvanel-session DESTINATION ${ORV_GAMES_DIR})
install(FILES $<TARGET_FILE:orvanel> $<TARGET_FILE:orvanel-video> DESTINATION ${ORV_PRIVATE_LIBDIR})
install(PROGRAMS $<TARGET_FILE:demo_emulator> DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/orvanel)
install(DIRECTORY ${ORV_SHIPPED_DEMO}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/orvanel/demo)
install(CODE "file(CREATE_LINK demo/Sound \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/orvanel/Sound\" SYMBOLIC)")
install(FILES ${CMAKE_SOURCE_DIR}/data/org.orvanel.Orvanel.desktop ${CMAKE_SOURCE_DIR}/data/org.orvanel.OrvanelConfig.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/org.orvanel.Orvanel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/data/orvanel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME org.orvanel.Orvanel.svg)
if(ORV_RSVG)
  install(FILES ${ORV_ICON_PNG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/data/orvanel.6 ${CMAKE_SOURCE_DIR}/data/orvanel-config.6
        ${CMAKE_SOURCE_DIR}/data/orvanel-session.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/data/fr/orvanel.6 ${CMAKE_SOURCE_DIR}/data/fr/orvanel-config.6
        ${CMAKE_SOURCE_DIR}/data/fr/orvanel-session.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man6)
install(FILES ${CMAKE_SOURCE_DIR}/data/orvanel-kiosk@.service DESTINATION lib/systemd/system)
# The owner's guide and its pictures, where Debian keeps a package's documentation.
install(FILES ${CMAKE_SOURCE_DIR}/docs/guide.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvanel)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/pictures DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvanel)
# An unprivileged X server takes a configuration named on its command line only from /etc/X11,
# whatever the prefix.
install(FILES ${CMAKE_SOURCE_DIR}/data/orvanel-kiosk-lock.conf DESTINATION /etc/X11)
