# The catalogues of every language in po/: <ll>.po (gettext, the frontend and the texts of
# the configurator's logic) and orvanel-config_<ll>.ts (Qt, the configurator's widgets).
# Both are compiled into <build>/locale/<ll>/LC_MESSAGES/, the folder the programs look
# for beside themselves, and installed to share/locale. A new language is a new file.
find_program(ORV_MSGFMT msgfmt REQUIRED)
find_program(ORV_LRELEASE lrelease HINTS /usr/lib/qt6/bin /usr/lib/qt6/libexec REQUIRED)
set(ORV_LOCALE_DIR ${CMAKE_BINARY_DIR}/locale)
file(GLOB orv_po_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/po/*.po)
file(GLOB orv_ts_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/po/orvanel-config_*.ts)
set(orv_catalogues)
foreach(po ${orv_po_files})
  get_filename_component(lang ${po} NAME_WE)
  set(mo ${ORV_LOCALE_DIR}/${lang}/LC_MESSAGES/orvanel.mo)
  add_custom_command(
    OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORV_LOCALE_DIR}/${lang}/LC_MESSAGES
    COMMAND ${ORV_MSGFMT} --check -o ${mo} ${po}
    DEPENDS ${po}
    VERBATIM)
  list(APPEND orv_catalogues ${mo})
  install(FILES ${mo} DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${lang}/LC_MESSAGES)
endforeach()
foreach(ts ${orv_ts_files})
  get_filename_component(name ${ts} NAME_WE)
  string(REPLACE "orvanel-config_" "" lang ${name})
  set(qm ${ORV_LOCALE_DIR}/${lang}/LC_MESSAGES/orvanel-config.qm)
  add_custom_command(
    OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORV_LOCALE_DIR}/${lang}/LC_MESSAGES
    COMMAND ${ORV_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    VERBATIM)
  list(APPEND orv_catalogues ${qm})
  install(FILES ${qm} DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${lang}/LC_MESSAGES)
endforeach()
add_custom_target(message_catalogues ALL DEPENDS ${orv_catalogues})
