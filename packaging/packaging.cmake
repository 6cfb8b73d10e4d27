# Install rules that only a package needs, and the CPack settings for the two
# packages: vastrel_<version>_amd64.deb on Linux (scripts/package.sh) and
# vastrel-<version>-windows-x64.zip on Windows (scripts/windows.sh --package).
# The programs and the desktop entry install themselves (src/app, src/top,
# src/resources).

set(VASTREL_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

set(CPACK_PACKAGE_NAME vastrel)
set(CPACK_PACKAGE_VENDOR "The Vastrel developers")
set(CPACK_PACKAGE_CONTACT "The Vastrel developers <${VASTREL_CONTACT_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find the largest files on a computer")
set(CPACK_PACKAGE_DESCRIPTION
    "Vastrel walks every file below the chosen drives or directories and lists
the largest ones, biggest first, with their size and full path; a right click
shows a file in the file manager. It keeps a small settings file, hides into
the system tray, adds an entry to the file manager's menu that scans a
directory and can ask an update server for a newer version.
.
The package also holds vastrel-top, which prints the largest files below the
given directories in a terminal.")
set(CPACK_STRIP_FILES ON)
set(CPACK_THREADS 0)

if(WIN32)
    # The DLLs the programs load and the plugins Qt looks for in folders beside
    # them: the platform plugin (without it no window opens), the native
    # widget style and the SQLite driver of the scan history.
    foreach(module Core Gui Widgets Network Sql)
        install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
    endforeach()
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
    install(FILES $<TARGET_FILE:Qt6::QSQLiteDriverPlugin> DESTINATION sqldrivers)
    if(TARGET Qt6::QWindowsVistaStylePlugin)
        install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
    endif()
    # The compiler's own runtime: C++ library, unwinder, threads.
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
            OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
            message(FATAL_ERROR "The compiler does not know where ${dll} is; the Windows package needs it")
        endif()
        install(FILES ${dll_path} DESTINATION .)
    endforeach()
    # Every DLL comes with its debugging sections and symbol tables (Debian's
    # libstdc++ weighs 23 MB, Qt's Gui 13 MB): the installed copies keep only
    # what loading them needs, their exports being tables of their own.
    if(CMAKE_STRIP)
        install(CODE "file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
            foreach(dll IN LISTS dlls)
                execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\"
                    COMMAND_ERROR_IS_FATAL ANY)
            endforeach()")
    endif()
    # What the bundled libraries are and the licences they come under.
    install(FILES ${VASTREL_PACKAGING_DIR}/windows/THIRD-PARTY.txt DESTINATION .)
    foreach(licence LGPL-3 GPL-3)
        if(EXISTS /usr/share/common-licenses/${licence})
            install(FILES /usr/share/common-licenses/${licence} DESTINATION licences
                RENAME ${licence}.txt)
        endif()
    endforeach()

    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME vastrel-${PROJECT_VERSION}-windows-x64)
elseif(UNIX AND NOT APPLE)
    include(GNUInstallDirs)

    # AppStream description of the application, named after the desktop entry.
    install(FILES ${VASTREL_PACKAGING_DIR}/linux/invalid.vastrel.vastrel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # Manual pages, compressed as Debian installs them. vastrel-top's is made
    # from its own --help and --version by help2man, so the two never differ.
    # They and the changelog are built for packages only (scripts/package.sh
    # builds these targets); an install without them leaves them out.
    find_program(VASTREL_HELP2MAN help2man)
    find_program(VASTREL_GZIP gzip)
    set(man_pages ${CMAKE_CURRENT_BINARY_DIR}/man/vastrel.1.gz)
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/man/vastrel.1.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
        COMMAND ${VASTREL_GZIP} -9nc ${VASTREL_PACKAGING_DIR}/linux/vastrel.1
            > ${CMAKE_CURRENT_BINARY_DIR}/man/vastrel.1.gz
        DEPENDS ${VASTREL_PACKAGING_DIR}/linux/vastrel.1
        VERBATIM)
    if(VASTREL_HELP2MAN)
        add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/man/vastrel-top.1.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
            COMMAND ${VASTREL_HELP2MAN} --no-info --section=1
                --include=${VASTREL_PACKAGING_DIR}/linux/vastrel-top.h2m
                --output=${CMAKE_CURRENT_BINARY_DIR}/man/vastrel-top.1
                $<TARGET_FILE:vastrel-top>
            COMMAND ${VASTREL_GZIP} -9nf ${CMAKE_CURRENT_BINARY_DIR}/man/vastrel-top.1
            DEPENDS vastrel-top ${VASTREL_PACKAGING_DIR}/linux/vastrel-top.h2m
            VERBATIM)
        list(APPEND man_pages ${CMAKE_CURRENT_BINARY_DIR}/man/vastrel-top.1.gz)
    else()
        message(STATUS "help2man not found: vastrel-top's manual page is not made")
    endif()
    add_custom_target(vastrel_man_pages DEPENDS ${man_pages})
    install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 OPTIONAL)

    # Debian's copyright file and the changelog of a native package, in the
    # package's own documentation folder.
    set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vastrel)
    install(FILES ${VASTREL_PACKAGING_DIR}/linux/copyright
        DESTINATION ${doc_dir})
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        COMMAND ${VASTREL_GZIP} -9nc ${VASTREL_PACKAGING_DIR}/linux/changelog
            > ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DEPENDS ${VASTREL_PACKAGING_DIR}/linux/changelog
        VERBATIM)
    add_custom_target(vastrel_changelog DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${doc_dir} OPTIONAL)

    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # The platform plugins and the SQLite driver are loaded at run time, so
    # dpkg-shlibdeps cannot see them: X11 and Wayland come with
    # qt6-qpa-plugins and qt6-wayland, SQLite with libqt6sql6-sqlite.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")
    # Vastrel's own catalogues are compiled into the program; Qt's, for the
    # buttons of its dialogs, come from qt6-translations-l10n.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
    set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
    set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
    set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()

include(CPack)
