# The installed package: headers under one include prefix, every library target of the library's
# folders exported as ZT::<folder>, the string tables and bundled resources, a CMake package
# configuration and a pkg-config file. Folders join through zt_add_library_folder(), dependencies
# through zt_find_dependency(), so neither needs a line here.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ZT_PACKAGE_NAME ZTSwiftUIComponents)
# Headers keep their source layout ("platform/…", "ZTSwiftUIComponents/overview/…") below this.
set(ZT_INSTALL_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}/${ZT_PACKAGE_NAME}")
set(ZT_INSTALL_CMAKEDIR "${CMAKE_INSTALL_LIBDIR}/cmake/${ZT_PACKAGE_NAME}")
set(ZT_INSTALL_RESOURCEDIR "${CMAKE_INSTALL_DATADIR}/${ZT_PACKAGE_NAME}")
set(ZT_RESOURCE_SOURCE_DIR "${CMAKE_SOURCE_DIR}/ZTSwiftUIComponents/host/resources")

# find_package() that the installed package repeats for its users. PKG_CONFIG names the modules
# the pkg-config file requires for it, PKG_CONFIG_LIBS the flags of one that has no module.
macro(zt_find_dependency)
    cmake_parse_arguments(_zt_dep "" "" "PKG_CONFIG;PKG_CONFIG_LIBS" ${ARGN})
    find_package(${_zt_dep_UNPARSED_ARGUMENTS} REQUIRED)
    string(JOIN " " _zt_dep_args ${_zt_dep_UNPARSED_ARGUMENTS})
    string(APPEND ZT_CONFIG_DEPENDENCIES "find_dependency(${_zt_dep_args})\n")
    list(APPEND ZT_PC_REQUIRES ${_zt_dep_PKG_CONFIG})
    list(APPEND ZT_PC_EXTRA_LIBS ${_zt_dep_PKG_CONFIG_LIBS})
endmacro()

# Adds a folder of the library (when it exists) and readies its library targets for export. The
# folders' own files stay as they are: include paths into the source tree become build-only,
# the installed headers' prefix is added, and the warning flags stay ours.
function(zt_add_library_folder folder)
    if(NOT EXISTS "${CMAKE_SOURCE_DIR}/${folder}/CMakeLists.txt")
        return()
    endif()
    add_subdirectory(${folder})
    get_directory_property(targets DIRECTORY ${folder} BUILDSYSTEM_TARGETS)
    get_filename_component(leaf "${folder}" NAME)
    string(REGEX REPLACE "^ZT" "" exportName "${leaf}")
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(NOT type STREQUAL "STATIC_LIBRARY")
            continue()
        endif()
        get_target_property(includes ${target} INTERFACE_INCLUDE_DIRECTORIES)
        set(exported "$<INSTALL_INTERFACE:${ZT_INSTALL_INCLUDEDIR}>")
        foreach(dir IN LISTS includes)
            if(dir MATCHES "^\\$<")
                list(APPEND exported "${dir}")
            elseif(dir)
                list(APPEND exported "$<BUILD_INTERFACE:${dir}>")
            endif()
        endforeach()
        get_target_property(links ${target} INTERFACE_LINK_LIBRARIES)
        if(links)
            list(REMOVE_ITEM links "$<LINK_ONLY:zt_warnings>")
        else()
            set(links "")
        endif()
        set_target_properties(${target} PROPERTIES
            INTERFACE_INCLUDE_DIRECTORIES "${exported}"
            INTERFACE_LINK_LIBRARIES "${links}")
        target_compile_features(${target} PUBLIC cxx_std_${CMAKE_CXX_STANDARD})
        list(LENGTH targets count)
        if(count EQUAL 1)
            set_target_properties(${target} PROPERTIES EXPORT_NAME "${exportName}")
        endif()
        set_property(GLOBAL APPEND PROPERTY ZT_LIBRARY_TARGETS ${target})
        set_property(GLOBAL APPEND PROPERTY ZT_LIBRARY_FOLDERS ${folder})
    endforeach()
endfunction()

# Where a copy of the library finds its own files when nothing overrides them. The choice is made
# when a program links: programs of this build tree read the build's folders, users of the
# installed package the folders under the install prefix, and every other object is shared.
function(zt_add_data_directories target stringTables resources)
    set(ZT_DATA_STRING_TABLES "${stringTables}")
    set(ZT_DATA_RESOURCES "${resources}")
    set(source "${CMAKE_BINARY_DIR}/generated/${target}.cpp")
    configure_file("${CMAKE_SOURCE_DIR}/cmake/DataDirectories.cpp.in" "${source}" @ONLY)
    add_library(${target} STATIC "${source}")
    target_include_directories(${target} PRIVATE "${CMAKE_SOURCE_DIR}")
endfunction()

# Installs and exports everything zt_add_library_folder() collected. Call once, after the folders.
function(zt_install_package)
    get_property(targets GLOBAL PROPERTY ZT_LIBRARY_TARGETS)
    get_property(folders GLOBAL PROPERTY ZT_LIBRARY_FOLDERS)

    zt_add_data_directories(zt_build_data_directories "${ZT_LOCALE_DIR}" "${ZT_RESOURCE_SOURCE_DIR}")
    zt_add_data_directories(zt_data_directories "${CMAKE_INSTALL_FULL_LOCALEDIR}"
                            "${CMAKE_INSTALL_FULL_DATADIR}/${ZT_PACKAGE_NAME}")
    set_target_properties(zt_data_directories PROPERTIES EXPORT_NAME DataDirectories)
    target_link_libraries(zt_platform PUBLIC $<BUILD_INTERFACE:zt_build_data_directories>
                                             $<INSTALL_INTERFACE:ZT::DataDirectories>)

    # The generated version header sits beside the platform headers' include root.
    configure_file("${CMAKE_SOURCE_DIR}/cmake/Version.h.in"
                   "${CMAKE_BINARY_DIR}/include/${ZT_PACKAGE_NAME}/Version.h" @ONLY)
    target_include_directories(zt_platform PUBLIC $<BUILD_INTERFACE:${CMAKE_BINARY_DIR}/include>)

    # ZT::SwiftUIComponents: the platform layer, the host boundary and every subsystem.
    add_library(zt_swiftui_components INTERFACE)
    set_target_properties(zt_swiftui_components PROPERTIES EXPORT_NAME SwiftUIComponents)
    foreach(target folder IN ZIP_LISTS targets folders)
        if(folder STREQUAL "platform" OR folder MATCHES "^ZTSwiftUIComponents/")
            target_link_libraries(zt_swiftui_components INTERFACE ${target})
        endif()
    endforeach()

    # An installed copy reads its files from the prefix it was configured for; installing it
    # elsewhere would leave it silently without translations and icons.
    install(CODE "
        if(NOT CMAKE_INSTALL_PREFIX STREQUAL \"${CMAKE_INSTALL_PREFIX}\")
            message(FATAL_ERROR \"This build was configured for the prefix ${CMAKE_INSTALL_PREFIX}, \"
                \"where the installed library will look for its string tables and resources. To \"
                \"install into \${CMAKE_INSTALL_PREFIX}, configure with \"
                \"-DCMAKE_INSTALL_PREFIX=\${CMAKE_INSTALL_PREFIX} and build again.\")
        endif()")

    # What the install step copies, built by one target (`./zt install`).
    add_custom_target(zt_package)
    add_dependencies(zt_package ${targets} zt_data_directories zt_translations)

    install(TARGETS ${targets} zt_data_directories zt_swiftui_components
            EXPORT ${ZT_PACKAGE_NAME}Targets
            ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
    foreach(folder IN LISTS folders)
        install(DIRECTORY "${CMAKE_SOURCE_DIR}/${folder}/"
                DESTINATION "${ZT_INSTALL_INCLUDEDIR}/${folder}"
                FILES_MATCHING PATTERN "*.h")
    endforeach()
    install(FILES "${CMAKE_BINARY_DIR}/include/${ZT_PACKAGE_NAME}/Version.h"
            DESTINATION "${ZT_INSTALL_INCLUDEDIR}/${ZT_PACKAGE_NAME}")
    install(DIRECTORY "${ZT_LOCALE_DIR}/" DESTINATION "${CMAKE_INSTALL_LOCALEDIR}")
    install(DIRECTORY "${ZT_RESOURCE_SOURCE_DIR}/" DESTINATION "${ZT_INSTALL_RESOURCEDIR}")

    install(EXPORT ${ZT_PACKAGE_NAME}Targets NAMESPACE ZT:: DESTINATION "${ZT_INSTALL_CMAKEDIR}")
    set(ZT_CONFIG_COMPONENTS "")
    foreach(target IN LISTS targets ITEMS zt_swiftui_components)
        get_target_property(name ${target} EXPORT_NAME)
        if(name)
            string(APPEND ZT_CONFIG_COMPONENTS "set(${ZT_PACKAGE_NAME}_${name}_FOUND TRUE)\n")
        endif()
    endforeach()
    configure_package_config_file("${CMAKE_SOURCE_DIR}/cmake/${ZT_PACKAGE_NAME}Config.cmake.in"
                                  "${CMAKE_BINARY_DIR}/${ZT_PACKAGE_NAME}Config.cmake"
                                  INSTALL_DESTINATION "${ZT_INSTALL_CMAKEDIR}")
    # Before 1.0 a new minor version may break the interfaces a host implements.
    write_basic_package_version_file("${CMAKE_BINARY_DIR}/${ZT_PACKAGE_NAME}ConfigVersion.cmake"
                                     COMPATIBILITY SameMinorVersion)
    install(FILES "${CMAKE_BINARY_DIR}/${ZT_PACKAGE_NAME}Config.cmake"
                  "${CMAKE_BINARY_DIR}/${ZT_PACKAGE_NAME}ConfigVersion.cmake"
            DESTINATION "${ZT_INSTALL_CMAKEDIR}")

    # pkg-config lists static archives in link order: every library before those it uses.
    zt_link_order(ordered ${targets})
    set(ZT_PC_LIBS "")
    foreach(target IN LISTS ordered ITEMS zt_data_directories)
        string(APPEND ZT_PC_LIBS " -l${target}")
    endforeach()
    string(JOIN " " ZT_PC_REQUIRES ${ZT_PC_REQUIRES})
    string(JOIN " " ZT_PC_EXTRA_LIBS ${ZT_PC_EXTRA_LIBS})
    configure_file("${CMAKE_SOURCE_DIR}/cmake/${ZT_PACKAGE_NAME}.pc.in"
                   "${CMAKE_BINARY_DIR}/${ZT_PACKAGE_NAME}.pc" @ONLY)
    install(FILES "${CMAKE_BINARY_DIR}/${ZT_PACKAGE_NAME}.pc"
            DESTINATION "${CMAKE_INSTALL_LIBDIR}/pkgconfig")
endfunction()

# The targets ordered so that each comes before every one of them it links (depth first over
# the direct link libraries, then reversed).
function(zt_link_order out)
    set(targets ${ARGN})
    set(done "")
    set(order "")
    foreach(target IN LISTS targets)
        zt_link_order_visit(${target})
    endforeach()
    list(REVERSE order)
    set(${out} ${order} PARENT_SCOPE)
endfunction()

macro(zt_link_order_visit target)
    if(NOT "${target}" IN_LIST done)
        list(APPEND done ${target})
        get_target_property(_zt_links_${target} ${target} LINK_LIBRARIES)
        foreach(_zt_dep_${target} IN LISTS _zt_links_${target})
            if(_zt_dep_${target} IN_LIST targets)
                zt_link_order_visit(${_zt_dep_${target}})
            endif()
        endforeach()
        list(APPEND order ${target})
    endif()
endmacro()
