# Compiles the string tables into <build>/locale/<language>/LC_MESSAGES/<domain>.mo, the layout the
# string table reads at run time. A domain's catalogue is po/<language>/<domain>.po, or a folder
# po/<language>/<domain>/ of .po files (one a subsystem, each with its own UTF-8 header) that are
# merged first; a text translated in two files keeps the first file's translation.
find_program(MSGFMT_EXECUTABLE msgfmt REQUIRED)
find_program(MSGCAT_EXECUTABLE msgcat REQUIRED)

set(ZT_LOCALE_DIR "${CMAKE_BINARY_DIR}/locale")
file(GLOB ZT_PO_LANGUAGES LIST_DIRECTORIES true CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/po/*")
set(ZT_MO_FILES)
foreach(langdir IN LISTS ZT_PO_LANGUAGES)
    if(NOT IS_DIRECTORY "${langdir}")
        continue()
    endif()
    get_filename_component(lang "${langdir}" NAME)
    file(GLOB entries LIST_DIRECTORIES true CONFIGURE_DEPENDS "${langdir}/*")
    foreach(entry IN LISTS entries)
        get_filename_component(domain "${entry}" NAME_WE)
        set(mo "${ZT_LOCALE_DIR}/${lang}/LC_MESSAGES/${domain}.mo")
        if(IS_DIRECTORY "${entry}")
            file(GLOB parts CONFIGURE_DEPENDS "${entry}/*.po")
            list(SORT parts)
            set(merged "${CMAKE_BINARY_DIR}/po/${lang}/${domain}.po")
            add_custom_command(
                OUTPUT "${mo}"
                COMMAND ${CMAKE_COMMAND} -E make_directory "${ZT_LOCALE_DIR}/${lang}/LC_MESSAGES"
                        "${CMAKE_BINARY_DIR}/po/${lang}"
                COMMAND ${MSGCAT_EXECUTABLE} --use-first -o "${merged}" ${parts}
                COMMAND ${MSGFMT_EXECUTABLE} --check -o "${mo}" "${merged}"
                DEPENDS ${parts}
                COMMENT "msgcat + msgfmt ${lang}/${domain}"
                VERBATIM)
        elseif(entry MATCHES "\\.po$")
            add_custom_command(
                OUTPUT "${mo}"
                COMMAND ${CMAKE_COMMAND} -E make_directory "${ZT_LOCALE_DIR}/${lang}/LC_MESSAGES"
                COMMAND ${MSGFMT_EXECUTABLE} --check -o "${mo}" "${entry}"
                DEPENDS "${entry}"
                COMMENT "msgfmt ${lang}/${domain}"
                VERBATIM)
        else()
            continue()
        endif()
        list(APPEND ZT_MO_FILES "${mo}")
    endforeach()
endforeach()
add_custom_target(zt_translations ALL DEPENDS ${ZT_MO_FILES})
