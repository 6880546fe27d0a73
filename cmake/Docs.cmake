# The API reference from the header comments: target `docs` (`./zt docs`) writes it to
# <build>/docs/html. It first checks that the interfaces a host implements are fully documented.
find_package(Doxygen QUIET)
if(NOT DOXYGEN_FOUND)
    return()
endif()

# Platform services a host supplies; the subsystems' store interfaces are found by their names.
set(ZT_DOCS_PLATFORM_INTERFACES MainQueue.h UserDefaults.h KeyValueStore.h NotificationCenter.h)

set(ZT_DOCS_OUTPUT "${CMAKE_BINARY_DIR}/docs")
get_property(zt_docs_folders GLOBAL PROPERTY ZT_LIBRARY_FOLDERS)
set(zt_docs_input "${CMAKE_BINARY_DIR}/include")
set(zt_docs_interface_input "")
foreach(folder IN LISTS zt_docs_folders)
    list(APPEND zt_docs_input "${CMAKE_SOURCE_DIR}/${folder}")
    if(folder MATCHES "^ZT")
        list(APPEND zt_docs_interface_input "${CMAKE_SOURCE_DIR}/${folder}")
    endif()
endforeach()
foreach(header IN LISTS ZT_DOCS_PLATFORM_INTERFACES)
    list(APPEND zt_docs_interface_input "${CMAKE_SOURCE_DIR}/platform/${header}")
endforeach()
list(REMOVE_DUPLICATES zt_docs_input)
list(TRANSFORM zt_docs_input REPLACE "(.+)" "\"\\1\"")
list(TRANSFORM zt_docs_interface_input REPLACE "(.+)" "\"\\1\"")
string(JOIN " \\\n                         " ZT_DOCS_INPUT ${zt_docs_input})
string(JOIN " \\\n                         " ZT_DOCS_INTERFACE_INPUT ${zt_docs_interface_input})

configure_file("${CMAKE_SOURCE_DIR}/docs/Doxyfile.in" "${ZT_DOCS_OUTPUT}/Doxyfile" @ONLY)
configure_file("${CMAKE_SOURCE_DIR}/docs/Doxyfile-interfaces.in" "${ZT_DOCS_OUTPUT}/Doxyfile-interfaces" @ONLY)
add_custom_target(docs
    COMMAND Doxygen::doxygen "${ZT_DOCS_OUTPUT}/Doxyfile-interfaces"
    COMMAND Doxygen::doxygen "${ZT_DOCS_OUTPUT}/Doxyfile"
    COMMAND ${CMAKE_COMMAND} -E echo "API reference: ${ZT_DOCS_OUTPUT}/html/index.html"
    WORKING_DIRECTORY "${ZT_DOCS_OUTPUT}"
    COMMENT "Doxygen: interface check, then the reference"
    VERBATIM)
