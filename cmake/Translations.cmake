# Compiles every po/<language>/<domain>.po into <build>/locale/<language>/LC_MESSAGES/<domain>.mo,
# the layout the string table reads at run time.
find_program(MSGFMT_EXECUTABLE msgfmt REQUIRED)

set(ZT_LOCALE_DIR "${CMAKE_BINARY_DIR}/locale")
file(GLOB_RECURSE ZT_PO_FILES CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/po/*.po")
set(ZT_MO_FILES)
foreach(po IN LISTS ZT_PO_FILES)
    get_filename_component(domain "${po}" NAME_WE)
    get_filename_component(langdir "${po}" DIRECTORY)
    get_filename_component(lang "${langdir}" NAME)
    set(mo "${ZT_LOCALE_DIR}/${lang}/LC_MESSAGES/${domain}.mo")
    add_custom_command(
        OUTPUT "${mo}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${ZT_LOCALE_DIR}/${lang}/LC_MESSAGES"
        COMMAND ${MSGFMT_EXECUTABLE} --check -o "${mo}" "${po}"
        DEPENDS "${po}"
        COMMENT "msgfmt ${lang}/${domain}"
        VERBATIM)
    list(APPEND ZT_MO_FILES "${mo}")
endforeach()
add_custom_target(zt_translations ALL DEPENDS ${ZT_MO_FILES})
