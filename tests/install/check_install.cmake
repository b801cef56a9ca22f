# Installs the build into PREFIX and checks that the desktop finds everything where it looks.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file
        bin/arithmitika
        share/man/man1/arithmitika.1.gz
        share/man/el/man1/arithmitika.1.gz
        share/doc/arithmitika/copyright
        share/doc/arithmitika/changelog.gz
        share/applications/${APP_ID}.desktop
        share/metainfo/${APP_ID}.metainfo.xml
        share/icons/hicolor/scalable/apps/${APP_ID}.svg)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
